#pragma once
// Dialog units: positions and sizes of dialog controls are given in units of the dialog font,
// a quarter of its average character width horizontally and an eighth of its height
// vertically. This class turns them into pixels the way the classic dialog manager does
// (base units from the average width of the 52 letters and the font height, then x * bx / 4
// and y * by / 8, rounded). Window thread only (it measures a font).
#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

namespace hm {

class DialogUnits {
  public:
    // Base units measured from `font`.
    explicit DialogUnits(const QFont& font);
    // Base units given directly (tests, fixed layouts).
    DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}

    // The font of the dialog templates ("MS Sans Serif" 8 point): the application's sans-serif
    // family at 8 point.
    static QFont templateFont();

    int baseX() const { return baseX_; }
    int baseY() const { return baseY_; }

    int x(int dluX) const;
    int y(int dluY) const;
    QRect rect(int dluX, int dluY, int dluWidth, int dluHeight) const;
    QSize size(int dluWidth, int dluHeight) const;

    // Places `widget` at the converted rectangle. A single-line control whose natural height
    // is larger than the template's (option buttons, drop-down lists with the template's
    // list height) gets its natural height, centred on the template's first line of
    // `lineDluHeight` units, so that nothing is clipped.
    void place(QWidget* widget, int dluX, int dluY, int dluWidth, int dluHeight) const;
    void placeLine(QWidget* widget, int dluX, int dluY, int dluWidth, int lineDluHeight) const;

  private:
    int baseX_ = 6;
    int baseY_ = 13;
};

}  // namespace hm
