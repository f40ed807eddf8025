#include "widgets/Icons.h"

#include <QHash>
#include <QImage>
#include <QImageReader>
#include <array>

// The icons are compiled into this static library; make sure the resource is registered even
// when the linker would drop the unreferenced initialiser.
static void registerIconResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)registered;
}

namespace hm {
namespace {

// The scale factors the icons are rendered at, ascending (HM_ICON_SCALES in cmake/Icons.cmake).
constexpr std::array<qreal, 5> kBakedScales{1.0, 1.25, 1.5, 2.0, 3.0};

QString bakedPath(int id, qreal scale) {
    registerIconResources();
    return QStringLiteral(":/icons/%1@%2x.png").arg(id).arg(QString::number(scale, 'g', 4));
}

// The baked renderings are PNG: read as that format only. A reader left to find the format
// itself asks every image plugin (loading the SVG, GIF, ... plugins and their libraries at the
// window's start).
void readAsPng(QImageReader& reader) {
    reader.setFormat("png");
    reader.setAutoDetectImageFormat(false);
}

// The rendering whose pixels are closest to `pixels` from above, else the largest.
QImage bakedImageFor(int id, QSize pixels) {
    for (const qreal scale : kBakedScales) {
        QImageReader reader(bakedPath(id, scale));
        readAsPng(reader);
        const QSize baked = reader.size();
        if (scale == kBakedScales.back() ||
            (baked.width() >= pixels.width() && baked.height() >= pixels.height())) {
            return reader.read();
        }
    }
    return {};
}

QPixmap renderIcon(int id, qreal devicePixelRatio, QSize size) {
    const QSize own = iconSize(id);
    if (own.isEmpty()) {
        return {};
    }
    if (size.isEmpty()) {
        size = own;
    }
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const QSize pixels = size * ratio;
    QImage image = bakedImageFor(id, pixels);
    if (image.isNull() || pixels.isEmpty()) {
        return {};
    }
    if (image.size() != pixels) {
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap =
        QPixmap::fromImage(std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace

QSize iconSize(int id) {
    QImageReader reader(bakedPath(id, 1.0));
    readAsPng(reader);
    return reader.size().expandedTo(QSize(0, 0));
}

QPixmap iconPixmap(int id, qreal devicePixelRatio, QSize size) {
    // The buttons and the window ask for the same few icons again (lamp changes, dialogs
    // opened again); a pixmap is shared, not read and converted each time.
    static QHash<QString, QPixmap> rendered;
    const QString key = QStringLiteral("%1/%2/%3x%4")
                            .arg(id)
                            .arg(devicePixelRatio)
                            .arg(size.width())
                            .arg(size.height());
    const auto found = rendered.constFind(key);
    if (found != rendered.constEnd()) {
        return *found;
    }
    QPixmap pixmap = renderIcon(id, devicePixelRatio, size);
    rendered.insert(key, pixmap);
    return pixmap;
}

}  // namespace hm
