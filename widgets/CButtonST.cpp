#include "widgets/CButtonST.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QHash>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QToolTip>
#include <algorithm>

#include "widgets/Icons.h"

namespace hm {
namespace {

// An indicator button is a status display to assistive technology; other buttons keep Qt's
// own button interface (this factory returns nothing for them).
QAccessibleInterface* indicatorFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("hm::CButtonST")) {
        auto* button = qobject_cast<CButtonST*>(object);
        if (button != nullptr && button->isIndicator()) {
            return new QAccessibleWidget(button, QAccessible::StatusBar);
        }
    }
    return nullptr;
}

}  // namespace

CButtonST::CButtonST(QWidget* parent) : CButtonST(QString(), parent) {}

CButtonST::CButtonST(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    resetColors();
}

CButtonST::~CButtonST() = default;

void CButtonST::resetColors() {
    const QColor face = palette().color(QPalette::Button);
    const QColor text = palette().color(QPalette::ButtonText);
    systemFace_ = face.rgb();
    systemText_ = text.rgb();
    colorAt(ColorIndex::BkIn) = face;
    colorAt(ColorIndex::BkOut) = face;
    colorAt(ColorIndex::BkFocus) = face;
    colorAt(ColorIndex::FgIn) = text;
    colorAt(ColorIndex::FgOut) = text;
    colorAt(ColorIndex::FgFocus) = text;
}

QColor CButtonST::color(ColorIndex index) const {
    const int at = static_cast<int>(index);
    return (at >= 0 && at < kColorCount) ? colors_[at] : QColor();
}

CButtonST::Result CButtonST::AssignIcons(int activeId, int restingSelector) {
    const qreal ratio = devicePixelRatioF();
    QPixmap active = iconPixmap(activeId, ratio);
    if (active.isNull()) {
        AssignIcons(QPixmap(), QPixmap());
        return Result::InvalidResource;
    }
    QPixmap resting;
    if (restingSelector == kDarkerRestingIcon) {
        // iconPixmap() shares its pixmaps, so the darker copy is made once per shared pixmap.
        static QHash<qint64, QPixmap> darker;
        const auto found = darker.constFind(active.cacheKey());
        resting =
            found != darker.constEnd() ? *found : darker[active.cacheKey()] = darkened(active);
    }
    setIcons(active, resting, activeId);
    return Result::Ok;
}

CButtonST::Result CButtonST::AssignIcons(const QPixmap& active, const QPixmap& resting) {
    setIcons(active, resting, 0);
    return Result::Ok;
}

void CButtonST::setIcons(const QPixmap& active, const QPixmap& resting, int id) {
    activeIcon_ = active;
    restingIcon_ = active.isNull() ? QPixmap() : resting;
    iconId_ = id;
    update();
    emit iconsChanged();
}

QPixmap CButtonST::darkened(const QPixmap& icon) {
    if (icon.isNull()) {
        return {};
    }
    QImage image = icon.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const int r = qRed(p);
            const int g = qGreen(p);
            const int b = qBlue(p);
            if (r == 0 && g == 0 && b == 0) {
                continue;
            }
            line[x] = qRgba(r * 3 / 4, g * 3 / 4, b * 3 / 4, qAlpha(p));
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(icon.devicePixelRatio());
    return result;
}

CButtonST::Result CButtonST::ShiftColor(ColorIndex index, int offset, bool repaint) {
    if (static_cast<int>(index) < 0 || static_cast<int>(index) >= kColorCount) {
        return Result::InvalidIndex;
    }
    if (offset < -255 || offset > 255) {
        return Result::BadParam;
    }
    QColor& c = colorAt(index);
    const int r = c.red();
    const int g = c.green();
    const int b = c.blue();
    int amount = 0;
    if (offset > 0) {
        amount = std::min({offset, 255 - r, 255 - g, 255 - b});
    } else {
        amount = std::max({offset, -r, -g, -b});
    }
    c = QColor(r + amount, g + amount, b + amount);
    if (repaint) {
        update();
    }
    return Result::Ok;
}

QString CButtonST::wrapTipText(const QString& text, const QFontMetrics& metrics, int maxWidth) {
    QStringList out;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (metrics.horizontalAdvance(line) <= maxWidth) {
            out << line;
            continue;
        }
        QString current;
        for (const QString& word : line.split(QLatin1Char(' '))) {
            const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (!current.isEmpty() && metrics.horizontalAdvance(candidate) > maxWidth) {
                out << current;
                current = word;
            } else {
                current = candidate;
            }
        }
        out << current;
    }
    return out.join(QLatin1Char('\n'));
}

void CButtonST::SetTip(const QString& text, bool activate) {
    if (text.isNull()) {
        return;
    }
    if (!tipRegistered_) {
        tipRegistered_ = true;
        tipRect_ = rect();
    }
    tipText_ = text;
    tipActive_ = activate;
    setAccessibleDescription(text);
    if (!activate) {
        QToolTip::hideText();
    }
}

bool CButtonST::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (tipActive_ && !tipText_.isEmpty() && tipRect_.contains(help->pos())) {
            const QString shown =
                wrapTipText(tipText_, QFontMetrics(QToolTip::font()), kTipMaxWidth);
            QToolTip::showText(help->globalPos(), shown, this, tipRect_);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QPushButton::event(event);
}

const QPixmap& CButtonST::currentIcon() const {
    if (hover_ || isDown() || restingIcon_.isNull()) {
        return activeIcon_;
    }
    return restingIcon_;
}

void CButtonST::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool pressed = isDown();
    const bool focused = hasFocus();
    const bool disabled = !isEnabled();
    const QRect r = rect();

    QColor background = color(ColorIndex::BkOut);
    QColor foreground = color(ColorIndex::FgOut);
    if (hover_ || pressed) {
        background = color(ColorIndex::BkIn);
        foreground = color(ColorIndex::FgIn);
    } else if (focused) {
        background = color(ColorIndex::BkFocus);
        foreground = color(ColorIndex::FgFocus);
    }
    p.fillRect(r, background);
    if (drawBorder_ && (pressed || hover_)) {
        drawRelief(p, pressed);
    }
    const QPoint shift = pressed ? pressedOffset_ : QPoint(0, 0);
    const QRect textArea = drawIcon(p, shift, disabled);
    if (!text().isEmpty()) {
        drawLabel(p, textArea.translated(shift), foreground, disabled);
    }

    // A flat button has no relief of its own, so the keyboard focus is shown by a dotted frame
    // inside its edge; without it a user moving with Tab cannot tell which button Space presses.
    if (focused && !disabled) {
        QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(2, 2, -3, -3));
    }
}

void CButtonST::drawRelief(QPainter& p, bool pressed) const {
    const QRect r = rect();
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    p.setPen(pressed ? shadow : light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(pressed ? light : shadow);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

QRect CButtonST::drawIcon(QPainter& p, QPoint shift, bool disabled) const {
    const QRect r = rect();
    QRect textArea = r.adjusted(1, 1, -1, -1);
    const QPixmap& icon = currentIcon();
    if (icon.isNull()) {
        return textArea;
    }
    const QSize size = icon.deviceIndependentSize().toSize();
    int x = (r.width() - size.width()) / 2;
    if (!text().isEmpty()) {
        x = imageMargin_;
        textArea.setLeft(imageMargin_ + size.width() + imageMargin_);
    }
    const int y = (r.height() - size.height()) / 2;
    QPixmap shown = icon;
    if (disabled) {
        QStyleOption option;
        option.initFrom(this);
        shown = style()->generatedIconPixmap(QIcon::Disabled, icon, &option);
    }
    p.drawPixmap(QPoint(x, y) + shift, shown);
    return textArea;
}

void CButtonST::drawLabel(QPainter& p, const QRect& area, const QColor& foreground,
                          bool disabled) const {
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    p.setFont(font());
    if (disabled) {
        p.setPen(palette().color(QPalette::Light));
        p.drawText(area.translated(1, 1), flags, text());
        p.setPen(palette().color(QPalette::Dark));
        p.drawText(area, flags, text());
    } else {
        p.setPen(foreground);
        p.drawText(area, flags, text());
    }
}

void CButtonST::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    // The pointer entering a disabled button does not light it up (it cannot be clicked).
    if (!isEnabled()) {
        return;
    }
    // A drag that started elsewhere does not light the button up.
    if ((QApplication::mouseButtons() & Qt::LeftButton) && !hover_) {
        return;
    }
    if (!hover_) {
        hover_ = true;
        update();
    }
}

void CButtonST::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    cancelHover();
}

void CButtonST::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    cancelHover();
}

void CButtonST::cancelHover() {
    if (hover_) {
        hover_ = false;
        update();
    }
}

void CButtonST::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    switch (event->type()) {
        case QEvent::EnabledChange:
            if (!isEnabled()) {
                cancelHover();
                moveFocusOn();
            }
            break;
        case QEvent::ActivationChange:
            if (!isActiveWindow()) {
                cancelHover();
            }
            break;
        case QEvent::PaletteChange:
        case QEvent::ApplicationPaletteChange:
            // Only a real change of the button colours resets the table (and drops shifts);
            // a palette passed on unchanged keeps them.
            if (palette().color(QPalette::Button).rgb() != systemFace_ ||
                palette().color(QPalette::ButtonText).rgb() != systemText_) {
                resetColors();
                update();
            }
            break;
        default:
            break;
    }
}

void CButtonST::moveFocusOn() {
    QWidget* parent = parentWidget();
    if (parent == nullptr) {
        return;
    }
    // The next control after this one in the tab order that lies inside the parent.
    for (QWidget* w = nextInFocusChain(); w != nullptr && w != this; w = w->nextInFocusChain()) {
        if (w != parent && parent->isAncestorOf(w) && w->isEnabled() && w->isVisibleTo(parent) &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    parent->setFocus(Qt::OtherFocusReason);
}

void CButtonST::setIndicator(bool indicator) {
    static const bool installed = [] {
        QAccessible::installFactory(indicatorFactory);
        return true;
    }();
    (void)installed;
    if (indicator == indicator_) {
        return;
    }
    indicator_ = indicator;
    // An interface made already keeps its role: drop it, the next query makes the right one.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(this)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

void CButtonST::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && isEnabled() &&
        !autoDefault()) {
        const QList<QPushButton*> buttons = window()->findChildren<QPushButton*>();
        const bool hasDefault = std::any_of(buttons.begin(), buttons.end(), [](QPushButton* b) {
            return b->isDefault() && b->isVisible() && b->isEnabled();
        });
        if (!hasDefault) {
            click();
            event->accept();
            return;
        }
    }
    QPushButton::keyPressEvent(event);
}

void CButtonST::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
    }
    QPushButton::mousePressEvent(event);
}

void CButtonST::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a quick double click is a press of its own, so that it clicks again.
    mousePressEvent(event);
}

}  // namespace hm
