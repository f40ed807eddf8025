#include "report/ReportRenderer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>

#include "graphs/GraphDisplay.h"
#include "platform/AtomicFile.h"
#include "platform/FileAccess.h"
#include "print/PageRenderer.h"
#include "print/PdfDocument.h"
#include "print/QtPageCanvas.h"
#include "report/ReportLogo.h"
#include "report/core/ReportContext.h"
#include "report/core/ReportPages.h"
#include "report/core/TextFormats.h"

namespace hm {
namespace {

constexpr int kPdfResolution = 600;

const ReportContext& contextOf(const ReportSource& source) {
    static const ReportContext kNone;
    return source.context != nullptr ? *source.context : kNone;
}

QString text(const std::string& utf8) {
    return QString::fromStdString(printableText(utf8));
}

// The logo of the report, read once for all its pages; null when there is none.
std::unique_ptr<ReportLogo> readLogo(const ReportSource& source) {
    const std::string& path = contextOf(source).workshop.logoPath;
    return path.empty() ? nullptr : std::make_unique<ReportLogo>(path);
}

void paintCover(QPainter& painter, const ReportSource& source, const ReportLogo* logo, double dpiX,
                double dpiY) {
    painter.save();
    QtPageCanvas canvas(painter, dpiX, dpiY);
    const ReportCover cover{source.image, source.fileName, source.ecuType, source.context};
    drawReportCover(canvas, cover);
    const std::optional<PageRect> box = coverLogoRect(cover);
    if (logo != nullptr && box) {
        logo->draw(painter, canvas.toDevice(*box), dpiX);
    }
    painter.restore();
}

void paintPageOf(QPainter& painter, const ReportSource& source, const ReportPage& page,
                 const ReportLogo* logo, double dpiX, double dpiY) {
    if (page.kind == ReportPageKind::Graph || page.kind == ReportPageKind::Record) {
        PageInputs inputs{source.image, {}, PageKind::Graph, 0, source.fileName, 0};
        if (page.kind == ReportPageKind::Graph) {
            computeGraphDisplay(source.image, page.number, inputs.graph, inputs.shownIntervalCount);
            inputs.graph.selectedGraph = page.number;
        } else {
            inputs.printPageKind = PageKind::Stability;
            inputs.selectedRecord = page.number;
        }
        paintPage(painter, inputs, dpiX, dpiY);
        return;
    }
    if (page.kind == ReportPageKind::Cover) {
        paintCover(painter, source, logo, dpiX, dpiY);
        return;
    }
    painter.save();
    QtPageCanvas canvas(painter, dpiX, dpiY);
    if (page.kind == ReportPageKind::Findings) {
        drawFindingsPage(canvas, contextOf(source));
    } else {
        drawSignOffPage(canvas);
    }
    painter.restore();
}

// Page `index` with the workshop's name above it and its footer at the foot of the device.
void paintOnePage(QPainter& painter, const ReportSource& source, int index, const ReportLogo* logo,
                  double dpiX, double dpiY) {
    const std::vector<ReportPage> pages = reportPages(source.image);
    if (index < 0 || index >= static_cast<int>(pages.size())) {
        return;
    }
    paintPageOf(painter, source, pages[static_cast<size_t>(index)], logo, dpiX, dpiY);
    // The printable area's height in page units (0.1 mm), from the device the painter draws on.
    const int pageHeight = static_cast<int>(std::lround(painter.device()->height() * 254.0 / dpiY));
    painter.save();
    QtPageCanvas canvas(painter, dpiX, dpiY);
    drawReportHeaderLine(canvas, contextOf(source).workshop.name);
    drawReportFooter(canvas, index + 1, static_cast<int>(pages.size()), pageHeight);
    painter.restore();
}

// Paints every page, starting a new device page between them. False when the device fails.
template <typename NewPage>
bool paintAllPages(QPainter& painter, const ReportSource& source, double dpi, NewPage newPage) {
    const std::unique_ptr<ReportLogo> logo = readLogo(source);
    const ReportLogo* drawn = logo && logo->problem().isEmpty() ? logo.get() : nullptr;
    const int count = reportPageCount(source);
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !newPage()) {
            return false;
        }
        paintOnePage(painter, source, i, drawn, dpi, dpi);
    }
    return true;
}

// Title, author, subject and keywords of the report's PDF.
PdfMetadata reportMetadata(const ReportSource& source) {
    const ReportContext& context = contextOf(source);
    // The identification is bytes from the ECU: shown as file names are, controls as \xNN.
    const QString ident = QString::fromStdString(printablePath(source.image.vehicleIdentString()));
    PdfMetadata metadata;
    metadata.title =
        QCoreApplication::translate("hm::ReportRenderer", "Fleet Data Report %1").arg(ident);
    metadata.author = text(context.workshop.name);
    metadata.subject = QCoreApplication::translate("hm::ReportRenderer",
                                                   "Brake system fleet data of the trailer %1")
                           .arg(ident);
    metadata.keywords = {QStringLiteral("Haulmetry"),
                         QCoreApplication::translate("hm::ReportRenderer", "fleet data report"),
                         ident};
    for (const std::string* detail :
         {&context.trailer.plate, &context.trailer.fleetNumber, &context.trailer.customer}) {
        if (!detail->empty()) {
            metadata.keywords << text(*detail);
        }
    }
    return metadata;
}

}  // namespace

int reportPageCount(const ReportSource& source) {
    return static_cast<int>(reportPages(source.image).size());
}

void paintReportPage(QPainter& painter, const ReportSource& source, int index, double dpiX,
                     double dpiY) {
    const std::unique_ptr<ReportLogo> logo = index == 0 ? readLogo(source) : nullptr;
    paintOnePage(painter, source, index, logo && logo->problem().isEmpty() ? logo.get() : nullptr,
                 dpiX, dpiY);
}

QString reportLogoProblem(const ReportSource& source) {
    const std::unique_ptr<ReportLogo> logo = readLogo(source);
    if (!logo || logo->problem().isEmpty()) {
        return {};
    }
    return QCoreApplication::translate("hm::ReportRenderer",
                                       "the logo %1 %2; the report is made without it")
        .arg(QString::fromStdString(printablePath(contextOf(source).workshop.logoPath)),
             logo->problem());
}

bool writeReportPdf(const ReportSource& source, const std::string& path, QString* error,
                    QString* warning) {
    auto fail = [&](const QString& reason) {
        if (error) {
            *error = QCoreApplication::translate("hm::ReportRenderer", "cannot write %1: %2")
                         .arg(QString::fromStdString(printablePath(path)), reason);
        }
        return false;
    };
    if (warning) {
        *warning = reportLogoProblem(source);
    }
    // The pages are drawn into memory first; the file is then written as every other file is.
    QByteArray bytes;
    {
        QBuffer file(&bytes);
        file.open(QIODevice::WriteOnly);
        QPdfWriter writer(&file);
        setUpPdfWriter(writer, reportMetadata(source), kPdfResolution);
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

bool writeReportPdf(const ReportSource& source, const QString& path, QString* error,
                    QString* warning) {
    return writeReportPdf(source, QFile::encodeName(path).toStdString(), error, warning);
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
