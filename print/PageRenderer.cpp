#include "print/PageRenderer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>

#include "platform/AtomicFile.h"
#include "platform/FileAccess.h"
#include "print/PdfDocument.h"
#include "print/QtPageCanvas.h"
#include "resources/Strings.h"

namespace hm {

namespace {

constexpr int kPdfResolution = 600;

bool fail(QString* error, const QString& path, const QString& reason) {
    if (error) {
        *error = QCoreApplication::translate("hm::PageRenderer", "cannot write %1: %2")
                     .arg(path, reason);
    }
    return false;
}

}  // namespace

void paintPage(QPainter& painter, const PageInputs& inputs, double dpiX, double dpiY) {
    painter.save();
    QtPageCanvas canvas(painter, dpiX, dpiY);
    drawPage(canvas, inputs);
    painter.restore();
}

bool printPage(QPrinter& printer, const PageInputs& inputs) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    paintPage(painter, inputs, printer.resolution(), printer.resolution());
    return painter.end();
}

namespace {

// The page's title and the identification ("Brake Applications v Pressure - VIN0042"), the
// identification's bytes shown as file names are.
PdfMetadata pageMetadata(const PageInputs& inputs) {
    const int graph = inputs.graph.shownGraph;
    const std::string title =
        inputs.printPageKind == PageKind::Stability ? strCopy(sid::kStabilitySnapshotTitle)
        : graph >= 1 && graph <= 10                 ? strCopy(sid::kGraphTitleFirst + graph - 1)
                                                    : std::string();
    const QString ident = QString::fromStdString(printablePath(inputs.image.vehicleIdentString()));
    PdfMetadata metadata;
    metadata.title = QString::fromStdString(title) + QStringLiteral(" - ") + ident;
    metadata.subject = metadata.title;
    metadata.keywords = {QStringLiteral("Haulmetry"), ident};
    return metadata;
}

bool renderPdf(const PageInputs& inputs, QByteArray& bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    setUpPdfWriter(writer, pageMetadata(inputs), kPdfResolution);
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    paintPage(painter, inputs, kPdfResolution, kPdfResolution);
    return painter.end();
}

bool renderPng(const PageInputs& inputs, int dpi, QByteArray& bytes) {
    const QSizeF mm = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const QSize pixels(static_cast<int>(std::lround(mm.width() / 25.4 * dpi)),
                       static_cast<int>(std::lround(mm.height() / 25.4 * dpi)));
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        paintPage(painter, inputs, dpi, dpi);
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG");
}

// The finished page goes through the same atomic write as every other file, so a symbolic
// link is followed, a FIFO or device is never replaced, and a failure leaves nothing behind.
bool writeBytes(const std::string& path, const QByteArray& bytes, QString* error) {
    std::string reason;
    if (!writeFileAtomic(path, bytes.constData(), static_cast<size_t>(bytes.size()), reason)) {
        return fail(error, QString::fromStdString(printablePath(path)),
                    QString::fromStdString(reason));
    }
    return true;
}

}  // namespace

bool writePagePdf(const PageInputs& inputs, const std::string& path, QString* error) {
    QByteArray bytes;
    if (!renderPdf(inputs, bytes)) {
        return fail(error, QString::fromStdString(printablePath(path)),
                    QCoreApplication::translate("hm::PageRenderer", "cannot draw the page"));
    }
    return writeBytes(path, bytes, error);
}

bool writePagePng(const PageInputs& inputs, const std::string& path, int dpi, QString* error) {
    QByteArray bytes;
    if (!renderPng(inputs, dpi, bytes)) {
        return fail(error, QString::fromStdString(printablePath(path)),
                    QCoreApplication::translate("hm::PageRenderer", "cannot encode the image"));
    }
    return writeBytes(path, bytes, error);
}

bool writePagePdf(const PageInputs& inputs, const QString& path, QString* error) {
    return writePagePdf(inputs, QFile::encodeName(path).toStdString(), error);
}

bool writePagePng(const PageInputs& inputs, const QString& path, int dpi, QString* error) {
    return writePagePng(inputs, QFile::encodeName(path).toStdString(), dpi, error);
}

}  // namespace hm
