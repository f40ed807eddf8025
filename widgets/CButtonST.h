#pragma once
// The flat icon button behind every push button of the dialogs: a thin raised frame while the
// pointer rests on it, a thin sunken frame while pressed, an icon with a darkened resting
// variant, a lighter background while active and a multi-line tooltip. Window thread only.
#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <QRect>

class QPainter;

namespace hm {

class CButtonST : public QPushButton {
    Q_OBJECT

  public:
    // The colours of the button's colour table.
    enum class ColorIndex {
        BkIn,     // active background (hovered or pressed)
        FgIn,     // active text
        BkOut,    // resting background
        FgOut,    // resting text
        BkFocus,  // focus background
        FgFocus,  // focus text
    };
    static constexpr int kColorCount = 6;
    // What AssignIcons and ShiftColor did.
    enum class Result {
        Ok,
        InvalidResource,  // no icon of that number
        InvalidIndex,     // not a colour of the table
        BadParam,         // an offset outside -255..255
    };
    // Resting-icon selector of AssignIcons by resource.
    static constexpr int kNoRestingIcon = 0;
    static constexpr int kDarkerRestingIcon = -3;

    explicit CButtonST(QWidget* parent = nullptr);
    explicit CButtonST(const QString& text, QWidget* parent = nullptr);
    ~CButtonST() override;

    // Loads icon `activeId` (widgets/Icons.h) as the active icon; `restingSelector` -3 makes
    // the resting icon a darkened copy, 0 leaves none. Result::InvalidResource for an unknown
    // id (the button then has no icons).
    Result AssignIcons(int activeId, int restingSelector = kDarkerRestingIcon);
    // Takes `active` and `resting` (either may be null). A null active icon leaves the button
    // without icons. Repaints; returns Result::Ok.
    Result AssignIcons(const QPixmap& active, const QPixmap& resting = QPixmap());
    // The id of the icon assigned by resource number (0: none, or icons given as pixmaps).
    int iconId() const { return iconId_; }

    // An indicator shows a state and is never pressed: assistive technology sees a status
    // indicator instead of a button.
    void setIndicator(bool indicator);
    bool isIndicator() const { return indicator_; }

    // Brightens (offset > 0) or darkens one colour of the table by the same amount on all
    // three channels, limited so that no channel leaves 0..255. Result::InvalidIndex for an
    // index outside the table, Result::BadParam for an offset outside -255..255 (the table is
    // then unchanged).
    Result ShiftColor(ColorIndex index, int offset, bool repaint = true);

    // Sets the tooltip text; line breaks start new lines and lines wider than 400 pixels wrap.
    // The first call fixes the tool area to the button's rectangle at that moment. `activate`
    // turns the tooltip on or off. A null text does nothing. The text is also the button's
    // accessible description.
    void SetTip(const QString& text, bool activate = true);

    // The darkened copy of `icon`: black stays black; every other pixel's red, green and blue
    // become trunc(0.75 x value); alpha is kept.
    static QPixmap darkened(const QPixmap& icon);
    // The text of `text` broken into lines no wider than `maxWidth` pixels of `metrics`.
    static QString wrapTipText(const QString& text, const QFontMetrics& metrics, int maxWidth);

    QColor color(ColorIndex index) const;
    bool isHovered() const { return hover_; }
    const QPixmap& activeIcon() const { return activeIcon_; }
    const QPixmap& restingIcon() const { return restingIcon_; }
    const QString& tipText() const { return tipText_; }
    bool tipActive() const { return tipActive_; }
    QRect tipRect() const { return tipRect_; }
    // The icon that a paint would show now.
    const QPixmap& currentIcon() const;

    static constexpr int kTipMaxWidth = 400;

  signals:
    // The icons changed (AssignIcons).
    void iconsChanged();

  protected:
    // Enter and Return press a focused button that is not a dialog's default candidate when its
    // window has no default button to press instead (Space presses it in any case).
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    // The frame of a hovered or pressed button: raised, or sunken while pressed.
    void drawRelief(QPainter& p, bool pressed) const;
    // Draws the icon (greyed when disabled) and returns the area left for the text.
    QRect drawIcon(QPainter& p, QPoint shift, bool disabled) const;
    // The text in `area`; a disabled button's text is embossed.
    void drawLabel(QPainter& p, const QRect& area, const QColor& foreground, bool disabled) const;
    void resetColors();
    void setIcons(const QPixmap& active, const QPixmap& resting, int id);
    void cancelHover();
    void moveFocusOn();
    QColor& colorAt(ColorIndex index) { return colors_[static_cast<int>(index)]; }

    bool hover_ = false;
    bool drawBorder_ = true;
    QPoint pressedOffset_{1, 1};
    int imageMargin_ = 3;
    QColor colors_[kColorCount];
    QRgb systemFace_ = 0;  // the button colours the table was last reset from
    QRgb systemText_ = 0;
    QPixmap activeIcon_;
    QPixmap restingIcon_;
    QString tipText_;
    QRect tipRect_;
    bool tipRegistered_ = false;
    bool tipActive_ = false;
    int iconId_ = 0;
    bool indicator_ = false;
};

}  // namespace hm
