#include "print/PageRenderer.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <cmath>

#include "print/QtPageCanvas.h"

namespace hm {

namespace {

constexpr int kPdfResolution = 600;

bool fail(QString* error, const QString& path, const QString& reason) {
    if (error) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, reason);
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

bool writePagePdf(const PageInputs& inputs, const QString& path, QString* error) {
    // Written to a temporary file that replaces `path` only when complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(error, path, file.errorString());
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("Haulmetry"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return fail(error, path, QStringLiteral("cannot draw the page"));
        }
        paintPage(painter, inputs, kPdfResolution, kPdfResolution);
        painter.end();
    }
    if (!file.commit()) {
        return fail(error, path, file.errorString());
    }
    return true;
}

bool writePagePng(const PageInputs& inputs, const QString& path, int dpi, QString* error) {
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(error, path, file.errorString());
    }
    if (!image.save(&file, "PNG")) {
        file.cancelWriting();
        return fail(error, path, QStringLiteral("cannot encode the image"));
    }
    if (!file.commit()) {
        return fail(error, path, file.errorString());
    }
    return true;
}

}  // namespace hm
