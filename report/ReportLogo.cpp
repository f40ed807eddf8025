#include "report/ReportLogo.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>
#include <algorithm>

#include "platform/FileAccess.h"

namespace hm {
namespace {

constexpr size_t kMostBytes = 2 * 1024 * 1024;
constexpr int kMostPixels = 8000;
constexpr double kLeastPngDpi = 300.0;

// The value of the attribute or CSS reference that starts after `at` (past blanks, '=' or '('
// and a quote).
QByteArray referenceAfter(const QByteArray& text, qsizetype at) {
    while (at < text.size() &&
           (text[at] == ' ' || text[at] == '=' || text[at] == '(' || text[at] == '"' ||
            text[at] == '\'' || text[at] == '\t' || text[at] == '\n' || text[at] == '\r')) {
        ++at;
    }
    return text.mid(at, 5);
}

// True when every reference of the SVG stays inside it: hrefs and url() to "#..." or a
// "data:" URI only, and no script, style import or document type (entities live there).
bool selfContainedSvg(const QByteArray& bytes) {
    const QByteArray text = bytes.toLower();
    for (const char* banned : {"<script", "<!doctype", "<!entity", "@import", "<foreignobject"}) {
        if (text.contains(banned)) {
            return false;
        }
    }
    for (const char* lead : {"href", "url("}) {
        const qsizetype length = static_cast<qsizetype>(std::char_traits<char>::length(lead));
        for (qsizetype at = text.indexOf(lead); at >= 0; at = text.indexOf(lead, at + 1)) {
            const QByteArray target = referenceAfter(text, at + length);
            if (!target.startsWith('#') && !target.startsWith("data:")) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

ReportLogo::ReportLogo(const std::string& path) {
    std::string bytes;
    std::string error;
    if (!readRegularFile(path, kMostBytes + 1, bytes, error)) {
        problem_ = QString::fromStdString(error);
        return;
    }
    if (bytes.size() > kMostBytes) {
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
    if (!selfContainedSvg(bytes)) {
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
