#pragma once
// The program's icons by resource number (119, 124..135, 201, 254, 256): SVG artwork in
// resources/icons/, rendered at build time to ready pixels at the scale factors 1, 1.25, 1.5, 2
// and 3 (cmake/Icons.cmake), so that no SVG is parsed while the program runs.
#include <QPixmap>
#include <QSize>

namespace hm {

// The icon's own size in device-independent pixels (that of its SVG); empty for an unknown id.
QSize iconSize(int id);
// Icon `id` at its own size (or `size` when given) for `devicePixelRatio`: the image rendered
// for exactly that many pixels when there is one, else the next larger rendering scaled down
// smoothly (the largest scaled up when none is larger); a null pixmap for an unknown id.
// Pixmaps are shared between calls with the same arguments. Window thread.
QPixmap iconPixmap(int id, qreal devicePixelRatio = 1.0, QSize size = QSize());

}  // namespace hm
