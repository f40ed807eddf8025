#include "widgets/Icons.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace hm {

QString iconResourcePath(int id) {
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

QPixmap iconPixmap(int id, qreal devicePixelRatio, QSize size) {
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

}  // namespace hm
