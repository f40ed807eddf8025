#include "report/ReportRenderer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include "fleetdata/FileAccess.h"
#include "graphs/GraphDisplay.h"
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
    painter.save();
    QtPageCanvas canvas(painter, dpiX, dpiY);
    drawReportFooter(canvas, index + 1, static_cast<int>(pages.size()));
    painter.restore();
}

bool writeReportPdf(const ReportSource& source, const QString& path, QString* error) {
    auto fail = [&](const QString& reason) {
        if (error) {
            *error = QStringLiteral("cannot write %1: %2").arg(path, reason);
        }
        return false;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(file.errorString());
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("Haulmetry"));
        // The identification is bytes from the ECU: shown as file names are, controls as \xNN.
        writer.setTitle(
            QStringLiteral("Fleet Data Report %1")
                .arg(QString::fromStdString(printablePath(source.image.vehicleIdentString()))));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return fail(QStringLiteral("cannot draw the pages"));
        }
        const bool ok =
            paintAllPages(painter, source, kPdfResolution, [&writer] { return writer.newPage(); });
        painter.end();
        if (!ok) {
            file.cancelWriting();
            return fail(QStringLiteral("cannot start a new page"));
        }
    }
    if (!file.commit()) {
        return fail(file.errorString());
    }
    return true;
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
        return fail(QStringLiteral("The printer cannot be opened."));
    }
    const double dpi = printer.resolution();
    const bool ok = paintAllPages(painter, source, dpi, [&printer] { return printer.newPage(); });
    if (!painter.end() || !ok || printer.printerState() == QPrinter::Error) {
        return fail(QStringLiteral("The printer reported an error."));
    }
    return true;
}

}  // namespace hm
