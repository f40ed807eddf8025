#include "widgets/DialogUnits.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

#include "widgets/core/DialogUnits.h"

namespace hm {

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics fm(font);
    baseX_ = averageCharWidth(fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")));
    baseY_ = std::max(1, fm.height());
}

QFont DialogUnits::templateFont() {
    // The main window lays itself out with the application font; its dialogs use the same.
    return QApplication::font();
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
