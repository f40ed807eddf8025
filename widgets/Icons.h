#pragma once
// The program's icons by resource number (119, 124..135, 201, 254, 256): SVG artwork in
// resources/icons/, rendered at the icon's own size for the screen's pixel ratio.
#include <QPixmap>
#include <QSize>

namespace hm {

// Resource path of icon `id`, e.g. ":/icons/129.svg".
QString iconResourcePath(int id);
// The icon's own size in device-independent pixels (from the SVG); empty for an unknown id.
QSize iconSize(int id);
// Icon `id` rendered at its own size (or `size` when given) for `devicePixelRatio`; a null
// pixmap for an unknown id. Window thread.
QPixmap iconPixmap(int id, qreal devicePixelRatio = 1.0, QSize size = QSize());

}  // namespace hm
