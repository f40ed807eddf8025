#include "widgets/Icons.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

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

QString iconResourcePath(int id) {
    registerIconResources();
    return QStringLiteral(":/icons/%1.svg").arg(id);
}

QSize iconSize(int id) {
    const QString path = iconResourcePath(id);
    if (!QFile::exists(path)) {
        return {};
    }
    QSvgRenderer renderer(path);
    return renderer.isValid() ? renderer.defaultSize() : QSize();
}

namespace {

QPixmap renderIcon(int id, qreal devicePixelRatio, QSize size) {
    const QString path = iconResourcePath(id);
    if (!QFile::exists(path)) {
        return {};
    }
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        return {};
    }
    if (size.isEmpty()) {
        size = renderer.defaultSize();
    }
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace

QPixmap iconPixmap(int id, qreal devicePixelRatio, QSize size) {
    // The buttons and the window ask for the same few icons again (lamp changes, dialogs
    // opened again); a rendered pixmap is shared, not drawn from the SVG each time.
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
