#include "widgets/DialogUnits.h"

#include <algorithm>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QWidget>

#include "widgets/core/DialogUnitMath.h"

namespace hm {

namespace {

int lettersWidth(const QFontMetrics& fm) {
    return fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics fm(font);
    baseX_ = averageCharWidth(lettersWidth(fm));
    baseY_ = std::max(1, fm.height());
}

bool DialogUnits::fits(const QFont& font, DialogBaseUnits base) {
    const QFontMetrics fm(font);
    return averageCharWidth(lettersWidth(fm)) <= base.x && fm.height() <= base.y + 3;
}

QFont DialogUnits::fittingFont(QFont font, DialogBaseUnits base) {
    // Every size measured loads a font engine and lays out the letters again, so the size is
    // predicted from one measurement at the font's own size (letter widths and line height
    // grow in proportion to the pixel size) and then checked; only when the prediction is too
    // large does the search go on downwards, one size at a time.
    const int start = std::max(QFontInfo(font).pixelSize(), 8);
    font.setPixelSize(start);
    const QFontMetrics fm(font);
    const int width = lettersWidth(fm);
    const int height = std::max(1, fm.height());
    int size = start;
    while (size > 8 && (averageCharWidth(width * size / start) > base.x ||
                        height * size / start > base.y + 3)) {
        --size;
    }
    if (size == start) {
        return font;  // already measured above: it fits, or nothing smaller than 8 is tried
    }
    for (; size >= 8; --size) {
        font.setPixelSize(size);
        if (fits(font, base) || size == 8) {
            break;
        }
    }
    return font;
}

QFont DialogUnits::templateFont() {
    // Every dialog asks for it; the answer only changes with the application font.
    static QFont appFont;
    static QFont fitted;
    static bool known = false;
    const QFont current = QApplication::font();
    if (!known || !(current == appFont) || current.resolveMask() != appFont.resolveMask()) {
        const DialogUnits units = layoutUnits();
        fitted = fittingFont(current, DialogBaseUnits{units.baseX(), units.baseY()});
        appFont = current;
        known = true;
    }
    return fitted;
}

int DialogUnits::x(int dluX) const {
    return mulDivRound(dluX, baseX_, 4);
}

int DialogUnits::y(int dluY) const {
    return mulDivRound(dluY, baseY_, 8);
}

QRect DialogUnits::rect(int dluX, int dluY, int dluWidth, int dluHeight) const {
    const PixelRect r =
        mapDialogRect(dluX, dluY, dluWidth, dluHeight, DialogBaseUnits{baseX_, baseY_});
    return QRect(r.left, r.top, r.width, r.height);
}

QSize DialogUnits::size(int dluWidth, int dluHeight) const {
    return QSize(x(dluWidth), y(dluHeight));
}

void DialogUnits::place(QWidget* widget, int dluX, int dluY, int dluWidth, int dluHeight) const {
    widget->setGeometry(rect(dluX, dluY, dluWidth, dluHeight));
}

void DialogUnits::placeLine(QWidget* widget, int dluX, int dluY, int dluWidth,
                            int lineDluHeight) const {
    QRect r = rect(dluX, dluY, dluWidth, lineDluHeight);
    const int natural = widget->sizeHint().height();
    if (natural > r.height()) {
        r.setTop(r.top() - (natural - r.height()) / 2);
        r.setHeight(natural);
    }
    widget->setGeometry(r);
}

}  // namespace hm
