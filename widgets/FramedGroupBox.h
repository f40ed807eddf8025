#pragma once
// A group box that draws the Fusion style's frame itself, from the same picture, read as the PNG
// it is. Qt's own drawing reads that picture without naming its format, and Qt then asks every
// image plugin whether it reads it: the first group box painted would load all of them, and the
// SVG library with them, at the window's start. In another style, or where Qt has no such
// picture, it paints as any group box. Window thread.
#include <QGroupBox>

namespace hm {

class FramedGroupBox : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace hm
