#include "report/ReportRenderer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>

#include "graphs/GraphDisplay.h"
#include "platform/AtomicFile.h"
#include "platform/FileAccess.h"
#include "print/PageRenderer.h"
#include "print/QtPageCanvas.h"
#include "report/core/ReportPages.h"

namespace hm {
namespace {

constexpr int kPdfResolution = 600;

// Paints every page, starting a new device page between them. False when the device fails.
template <typename NewPage>
bool paintAllPages(QPainter& painter, const ReportSource& source, double dpi, NewPage newPage) {
    const int count = reportPageCount(source);
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !newPage()) {
            return false;
        }
        paintReportPage(painter, source, i, dpi, dpi);
    }
    return true;
}

}  // namespace

int reportPageCount(const ReportSource& source) {
    return static_cast<int>(reportPages(source.image).size());
}

void paintReportPage(QPainter& painter, const ReportSource& source, int index, double dpiX,
                     double dpiY) {
    const std::vector<ReportPage> pages = reportPages(source.image);
    if (index < 0 || index >= static_cast<int>(pages.size())) {
        return;
    }
    const ReportPage& page = pages[static_cast<size_t>(index)];
    if (page.kind == ReportPageKind::Cover) {
        painter.save();
        QtPageCanvas canvas(painter, dpiX, dpiY);
        drawReportCover(canvas, ReportCover{source.image, source.fileName, source.ecuType});
        painter.restore();
    } else {
        PageInputs inputs{source.image, {}, PageKind::Graph, 0, source.fileName, 0};
        if (page.kind == ReportPageKind::Graph) {
            computeGraphDisplay(source.image, page.number, inputs.graph, inputs.shownIntervalCount);
            inputs.graph.selectedGraph = page.number;
        } else {
            inputs.printPageKind = PageKind::Stability;
            inputs.selectedRecord = page.number;
        }
        paintPage(painter, inputs, dpiX, dpiY);
    }
    // The printable area's height in page units (0.1 mm), from the device the painter draws on.
    const int pageHeight = static_cast<int>(std::lround(painter.device()->height() * 254.0 / dpiY));
    painter.save();
    QtPageCanvas canvas(painter, dpiX, dpiY);
    drawReportFooter(canvas, index + 1, static_cast<int>(pages.size()), pageHeight);
    painter.restore();
}

bool writeReportPdf(const ReportSource& source, const std::string& path, QString* error) {
    auto fail = [&](const QString& reason) {
        if (error) {
            *error = QCoreApplication::translate("hm::ReportRenderer", "cannot write %1: %2")
                         .arg(QString::fromStdString(printablePath(path)), reason);
        }
        return false;
    };
    // The pages are drawn into memory first; the file is then written as every other file is.
    QByteArray bytes;
    {
        QBuffer file(&bytes);
        file.open(QIODevice::WriteOnly);
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("Haulmetry"));
        // The identification is bytes from the ECU: shown as file names are, controls as \xNN.
        writer.setTitle(
            QCoreApplication::translate("hm::ReportRenderer", "Fleet Data Report %1")
                .arg(QString::fromStdString(printablePath(source.image.vehicleIdentString()))));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return fail(QCoreApplication::translate("hm::ReportRenderer", "cannot draw the pages"));
        }
        const bool ok =
            paintAllPages(painter, source, kPdfResolution, [&writer] { return writer.newPage(); });
        painter.end();
        if (!ok) {
            return fail(
                QCoreApplication::translate("hm::ReportRenderer", "cannot start a new page"));
        }
    }
    // writeFileAtomic: a symbolic link is followed, a FIFO, device or link loop is refused and
    // left alone, and a failure leaves nothing behind.
    std::string reason;
    if (!writeFileAtomic(path, bytes.constData(), static_cast<size_t>(bytes.size()), reason)) {
        return fail(QString::fromStdString(reason));
    }
    return true;
}

bool writeReportPdf(const ReportSource& source, const QString& path, QString* error) {
    return writeReportPdf(source, QFile::encodeName(path).toStdString(), error);
}

bool printReport(QPrinter& printer, const ReportSource& source, QString* error) {
    auto fail = [&](const QString& reason) {
        if (error) {
            *error = reason;
        }
        return false;
    };
    QPainter painter;
    if (!painter.begin(&printer)) {
        return fail(
            QCoreApplication::translate("hm::ReportRenderer", "The printer cannot be opened."));
    }
    const double dpi = printer.resolution();
    const bool ok = paintAllPages(painter, source, dpi, [&printer] { return printer.newPage(); });
    if (!painter.end() || !ok || printer.printerState() == QPrinter::Error) {
        return fail(
            QCoreApplication::translate("hm::ReportRenderer", "The printer reported an error."));
    }
    return true;
}

}  // namespace hm
