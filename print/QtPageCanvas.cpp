#include "print/QtPageCanvas.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>

#include "print/PrintResources.h"

namespace hm {

namespace {

constexpr double kUnitsPerInch = 254.0;  // 0.1 mm units
constexpr double kPenWidth = 2.0;        // page units
constexpr QSize kBitmapSize{78, 33};

QColor toQColor(PageColor c) {
    return QColor(c.r, c.g, c.b);
}

// The header bitmaps, rendered once from their vector artwork at 78 x 33 pixels.
const QImage& headerBitmap(PageBitmap which) {
    static QHash<int, QImage> cache;
    const int id = static_cast<int>(which);
    auto it = cache.find(id);
    if (it == cache.end()) {
        ensurePrintResources();
        QImage image(kBitmapSize, QImage::Format_RGB32);
        image.fill(Qt::white);
        QSvgRenderer renderer(QStringLiteral(":/print/bitmap%1.svg").arg(id));
        if (renderer.isValid()) {
            QPainter p(&image);
            renderer.render(&p);
        }
        it = cache.insert(id, image);
    }
    return *it;
}

}  // namespace

QtPageCanvas::QtPageCanvas(QPainter& painter, double dpiX, double dpiY)
    : painter_(painter), sx_(dpiX / kUnitsPerInch), sy_(dpiY / kUnitsPerInch) {
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, kPenWidth * sx_));
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    painter_.setBrush(brush_);
}

QPointF QtPageCanvas::toDevice(int x, int y) const {
    return QPointF(x * sx_, -y * sy_);
}

QRectF QtPageCanvas::toDevice(const PageRect& r) const {
    return QRectF(toDevice(r.left, r.top), toDevice(r.right, r.bottom)).normalized();
}

void QtPageCanvas::setBrush(PageColor fill) {
    brush_ = toQColor(fill);
    painter_.setBrush(brush_);
}

void QtPageCanvas::setTextBackground(PageColor background) {
    background_ = toQColor(background);
}

void QtPageCanvas::setFont(const PageFont& font) {
    // The page gives the character cell height (ascent + descent); Qt sizes fonts by their em.
    // "arial" where installed, else a metric-compatible sans serif face.
    QFont f;
    f.setFamilies({QString::fromStdString(font.face), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
                   QStringLiteral("Helvetica")});
    f.setStyleHint(QFont::SansSerif);
    f.setWeight(
        static_cast<QFont::Weight>(font.weight == 0 ? 400 : std::clamp(font.weight, 100, 900)));
    f.setPixelSize(1000);
    const double cellPerEm = QFontMetricsF(f, painter_.device()).height() / 1000.0;
    const double cell = font.height * sy_;
    f.setPixelSize(
        std::max(1, static_cast<int>(std::lround(cell / (cellPerEm > 0 ? cellPerEm : 1.0)))));
    font_ = f;
    escapement_ = font.escapement;
    painter_.setFont(font_);
}

void QtPageCanvas::rectangle(const PageRect& rect) {
    painter_.setBrush(brush_);
    painter_.drawRect(toDevice(rect));
}

void QtPageCanvas::textInRect(const PageRect& rect, const std::string& text, TextLayout layout) {
    int flags = 0;
    switch (layout) {
        case TextLayout::CenteredSingleLine:
            flags = Qt::AlignCenter | Qt::TextSingleLine;
            break;
        case TextLayout::TopLeftWordWrap:
            flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
            break;
        case TextLayout::TopLeftSingleLine:
            flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
            break;
    }
    painter_.save();
    painter_.setBackgroundMode(Qt::OpaqueMode);
    painter_.setBackground(background_);
    painter_.setFont(font_);
    painter_.drawText(toDevice(rect), flags, QString::fromStdString(text));
    painter_.restore();
}

void QtPageCanvas::textAt(int x, int y, const std::string& text) {
    painter_.save();
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setFont(font_);
    painter_.translate(toDevice(x, y));
    // Escapement turns counter-clockwise; Qt's y axis points down, so the sign flips.
    painter_.rotate(-escapement_ / 10.0);
    // Top of the cell at the reference point; glyphs hang below it in the text's own frame.
    painter_.drawText(QRectF(0, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                      QString::fromStdString(text));
    painter_.restore();
}

PageSize QtPageCanvas::measureText(const std::string& text) {
    const QFontMetricsF fm(font_, painter_.device());
    return PageSize{
        static_cast<int>(std::lround(fm.horizontalAdvance(QString::fromStdString(text)) / sx_)),
        static_cast<int>(std::lround(fm.height() / sy_))};
}

void QtPageCanvas::bitmap(const PageRect& rect, PageBitmap which) {
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.drawImage(toDevice(rect), headerBitmap(which));
    painter_.restore();
}

}  // namespace hm
