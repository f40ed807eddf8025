#include "report/ReportLogo.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>
#include <algorithm>

#include "platform/FileAccess.h"
#include "platform/LogoFile.h"

namespace hm {
namespace {

constexpr int kMostPixels = 8000;
constexpr double kLeastPngDpi = 300.0;

}  // namespace

ReportLogo::ReportLogo(const std::string& path) {
    std::string bytes;
    std::string error;
    if (!readRegularFile(path, kLogoFileLimit + 1, bytes, error)) {
        problem_ = QString::fromStdString(error);
        return;
    }
    if (bytes.size() > kLogoFileLimit) {
        problem_ = QCoreApplication::translate("hm::ReportLogo", "is larger than 2 MiB");
        return;
    }
    const QByteArray data = QByteArray::fromStdString(bytes);
    if (data.startsWith("\x89PNG\r\n\x1a\n")) {
        readPng(data);
    } else {
        readSvg(data);
    }
}

ReportLogo::~ReportLogo() = default;

void ReportLogo::readPng(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMostPixels || size.height() > kMostPixels) {
        problem_ = QCoreApplication::translate(
            "hm::ReportLogo", "is a PNG image larger than 8000 x 8000 pixels or damaged");
        return;
    }
    if (!reader.read(&png_) || png_.isNull()) {
        problem_ = QCoreApplication::translate("hm::ReportLogo", "is a damaged PNG image");
    }
}

void ReportLogo::readSvg(const QByteArray& bytes) {
    if (!bytes.contains("<svg")) {
        problem_ = QCoreApplication::translate("hm::ReportLogo", "is not a PNG or SVG image");
        return;
    }
    if (!logoContentProblem(bytes.toStdString()).empty()) {
        problem_ = QCoreApplication::translate(
            "hm::ReportLogo", "is an SVG image that refers to other files or holds a script");
        return;
    }
    svg_ = std::make_unique<QSvgRenderer>(bytes);
    const QSizeF size = svg_->viewBoxF().size();
    if (!svg_->isValid() || size.width() <= 0 || size.height() <= 0) {
        svg_.reset();
        problem_ = QCoreApplication::translate("hm::ReportLogo", "is not a PNG or SVG image");
    }
}

void ReportLogo::draw(QPainter& painter, const QRectF& box, double dpi) const {
    if (!problem_.isEmpty()) {
        return;
    }
    QSizeF size = svg_ ? svg_->viewBoxF().size() : QSizeF(png_.size());
    if (!svg_) {
        // Its own pixels at 300 dpi at most: a small logo is not blown up beyond that.
        size *= dpi / kLeastPngDpi;
    }
    const double scale =
        std::min({box.width() / size.width(), box.height() / size.height(), svg_ ? 1e9 : 1.0});
    size *= scale;
    const QRectF target(box.left(), box.top() + (box.height() - size.height()) / 2, size.width(),
                        size.height());
    if (svg_) {
        svg_->render(&painter, target);
    } else {
        painter.drawImage(target, png_);
    }
}

}  // namespace hm
