#include "widgets/DialogUnits.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

namespace hm {
namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int mulDiv(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(p >= 0 ? (p + half) / c : (p - half) / c);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics fm(font);
    const int width = fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = std::max(1, (width / 26 + 1) / 2);
    baseY_ = std::max(1, fm.height());
}

QFont DialogUnits::templateFont() {
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}

int DialogUnits::x(int dluX) const {
    return mulDiv(dluX, baseX_, 4);
}

int DialogUnits::y(int dluY) const {
    return mulDiv(dluY, baseY_, 8);
}

QRect DialogUnits::rect(int dluX, int dluY, int dluWidth, int dluHeight) const {
    // Both edges are converted, as the dialog manager does, so adjacent controls share edges.
    const int left = x(dluX);
    const int top = y(dluY);
    return QRect(left, top, x(dluX + dluWidth) - left, y(dluY + dluHeight) - top);
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
