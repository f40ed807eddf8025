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

QFont DialogUnits::fittingFont(QFont font, DialogBaseUnits base) {
    const int start = std::max(QFontInfo(font).pixelSize(), 8);
    for (int size = start; size >= 8; --size) {
        font.setPixelSize(size);
        const QFontMetrics fm(font);
        if (averageCharWidth(lettersWidth(fm)) <= base.x && fm.height() <= base.y + 3) {
            break;
        }
    }
    return font;
}

QFont DialogUnits::templateFont() {
    const DialogUnits units = layoutUnits();
    return fittingFont(QApplication::font(), DialogBaseUnits{units.baseX(), units.baseY()});
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
