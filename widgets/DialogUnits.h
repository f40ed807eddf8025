#pragma once
// Dialog units for Qt widgets: measures a font's base units (average width of the 52 letters,
// line height) and places widgets at template rectangles, with the arithmetic of
// widgets/core/DialogUnitMath.h (x * bx / 4, y * by / 8, rounded; edges mapped). Window thread
// only (it measures a font).
#include <QFont>
#include <QRect>
#include <QSize>

#include "widgets/core/DialogUnitMath.h"

class QWidget;

namespace hm {

class DialogUnits {
  public:
    // Base units measured from `font`.
    explicit DialogUnits(const QFont& font);
    // Base units given directly (tests, fixed layouts).
    DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}

    // The base units every dialog is laid out in, the main window's too (6 x 13 pixels): the
    // chart and the dialogs keep their pixel sizes whatever the desktop's font.
    static DialogUnits layoutUnits() { return DialogUnits(6, 13); }
    // `font` at the largest pixel size (not above its own) whose base units fit `base`: average
    // width at most base.x, line height at most base.y + 3 (text fields are taller than a line).
    static QFont fittingFont(QFont font, DialogBaseUnits base);
    // The font the dialogs are drawn with: the application font, made to fit layoutUnits().
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
    static bool fits(const QFont& font, DialogBaseUnits base);

    int baseX_ = 6;
    int baseY_ = 13;
};

}  // namespace hm
