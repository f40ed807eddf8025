#include "widgets/Icons.h"

#include <QHash>
#include <QImage>
#include <QResource>
#include <array>
#include <cstring>

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

// A baked rendering (resources/bake/IconBake.cpp): "HMIC", width and height as 32-bit
// little-endian numbers, then the premultiplied ARGB rows. The pixels are copied out as they
// are, with no image decoder: reading the dozen icons through PNG was a tenth of the window's
// start.
class BakedIcon {
  public:
    BakedIcon(int id, qreal scale) {
        registerIconResources();
        const QResource resource(
            QStringLiteral(":/icons/%1@%2x.argb").arg(id).arg(QString::number(scale, 'g', 4)));
        bytes_ = resource.compressionAlgorithm() == QResource::NoCompression
                     ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                               static_cast<qsizetype>(resource.size()))
                     : resource.uncompressedData();
        constexpr qsizetype kHeader = 12;
        if (bytes_.size() < kHeader || !bytes_.startsWith("HMIC")) {
            return;
        }
        const quint32 width = number(4);
        const quint32 height = number(8);
        if (width == 0 || height == 0 || width > 4096 || height > 4096 ||
            bytes_.size() != kHeader + qsizetype(width) * height * 4) {
            return;
        }
        size_ = QSize(static_cast<int>(width), static_cast<int>(height));
    }

    QSize size() const { return size_; }

    QImage image() const {
        if (size_.isEmpty()) {
            return {};
        }
        QImage image(size_, QImage::Format_ARGB32_Premultiplied);
        const qsizetype rowBytes = qsizetype(size_.width()) * 4;
        for (int y = 0; y < size_.height(); ++y) {
            std::memcpy(image.scanLine(y), bytes_.constData() + 12 + y * rowBytes,
                        static_cast<size_t>(rowBytes));
        }
        return image;
    }

  private:
    quint32 number(qsizetype at) const {
        quint32 value = 0;
        for (int i = 3; i >= 0; --i) {
            value = (value << 8) | static_cast<unsigned char>(bytes_.at(at + i));
        }
        return value;
    }

    QByteArray bytes_;
    QSize size_;
};

// The rendering whose pixels are closest to `pixels` from above, else the largest.
QImage bakedImageFor(int id, QSize pixels) {
    for (const qreal scale : kBakedScales) {
        const BakedIcon baked(id, scale);
        if (scale == kBakedScales.back() ||
            (baked.size().width() >= pixels.width() && baked.size().height() >= pixels.height())) {
            return baked.image();
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
    return BakedIcon(id, 1.0).size();
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
