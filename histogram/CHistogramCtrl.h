#pragma once
// The bar chart of the main window: 16 single or 28 stacked bars drawn on an off-screen surface
// that scrolls left by one bar pitch for each new bar, a tooltip per bar, and the wait cursor
// until the first full update. It never reads the fleet data image: it draws from the graph
// display record the display update filled. Window thread only.
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>

#include "graphs/GraphDisplay.h"

class QLabel;
class QPainter;

namespace hm {

class CHistogramCtrl : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kFrameWidth = 3;  // sunken client edge and static edge
    static constexpr QRgb kBackground = 0xFFF0F0F0;
    static constexpr QRgb kHatch = 0xFF2020D0;
    static constexpr QRgb kBar = 0xFF408080;
    static constexpr QRgb kSecond = 0xFFF03010;
    static constexpr QRgb kTipBackground = 0xFF2020D0;
    static constexpr QRgb kTipText = 0xFFE0E0E0;
    static constexpr int kTipWakeUpMs = 400;
    static constexpr int kTipAutoPopMs = 10000;

    // Fills `r` with the chart's background: the hatch colour in Qt's horizontal-line pattern
    // (as Qt::HorPattern draws it from the painter's brush origin) on the light grey.
    static void fillHatch(QPainter& p, const QRect& r);

    explicit CHistogramCtrl(QWidget* parent = nullptr);
    ~CHistogramCtrl() override;

    // Stores the range and creates the surface (client size, hatch on light grey) the first
    // time; a later call neither clears nor resizes it.
    void SetRange(uint32_t minimum, uint32_t maximum);
    // Adds one single bar for `index` at the right edge (value clamped into the range).
    // Returns the previous current value. Finishes a running build-up first.
    uint32_t SetValue(uint32_t value, int index);
    // Adds one stacked bar (the second value is not clamped). Returns the previous value.
    uint32_t SetValuePair(uint32_t value, uint32_t secondValue, int index);
    // Redraws the chart from `record` (copied): SetRange(0, trunc(maximum)), the whole surface
    // back to the hatch (nothing of an earlier graph stays), then the bars one
    // by one from a timer (stacked bars for the distance graphs), then the tooltips.
    void Update(const GraphDisplayRecord& record);
    // Registers the tooltip texts and areas of the bars of the last Update and ends the busy
    // state.
    void SetupTooltips();

    // Adds every bar still waiting of a running Update at once.
    void finishBuildUp();
    bool buildingUp() const { return nextBar_ < pendingBars_; }
    // Pause between two bars of the build-up (single, stacked); tests may set 0.
    void setBuildUpPauses(int singleMs, int stackedMs);

    // Client area (inside the frame) in widget coordinates, and the surface.
    QRect clientRect() const;
    // Where the bars stand once all are drawn, in widget coordinates: the centre of single bar
    // `index` (0..15), the boundary left of it (index 16: right of the last bar, half a gap
    // between two bars), and the left edge of the first and the right edge of the last of the
    // 28 stacked bars.
    double singleBarCentre(int index) const;
    double singleBarBoundary(int index) const;
    int stackedBarsLeft() const;
    int stackedBarsRight() const;
    const QPixmap& surface() const { return surface_; }
    bool busy() const { return busy_; }
    uint32_t rangeMinimum() const { return minimum_; }
    uint32_t rangeMaximum() const { return maximum_; }
    uint32_t currentValue() const { return current_; }
    // Tooltip registered for bar `index` (client coordinates), its text; the number of tools.
    int tipCount() const { return tipCount_; }
    QRect tipRect(int index) const;
    QString tipText(int index) const;
    // The tool under client point `p`, or -1.
    int tipIndexAt(QPoint clientPoint) const;
    const QFont& tipFont() const { return tipFont_; }
    // The tooltip window (shown after the wake-up delay while the pointer rests on a bar).
    QLabel* tipLabel() const { return tipLabel_; }

    // ---- Assistive technology -------------------------------------------------------------
    // The words read out for the chart and its bars, given by the window (the chart has no
    // string table of its own). `bar` joins a bar's range and value ("%1: %2"); `barOf` names a
    // bar by its position ("Bar %1 of %2") where its range is unknown, and describes it.
    struct AccessibleTexts {
        QString bar = QStringLiteral("%1: %2");
        QString barOf = QStringLiteral("Bar %1 of %2");
    };
    void setAccessibleTexts(const AccessibleTexts& texts) { accessibleTexts_ = texts; }
    // Bars that assistive technology sees: those of the graph shown once all are drawn (none
    // for the blank graph or during the build-up).
    int accessibleBarCount() const;
    // Name (range and value) and description (position) of bar `index`; the bar's rectangle in
    // widget coordinates.
    QString barAccessibleName(int index) const;
    QString barAccessibleDescription(int index) const;
    QRect barWidgetRect(int index) const;

  signals:
    // Emitted when the bars of an Update are all drawn and the tooltips are set.
    void updateFinished();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void addSingleBar(int index);
    void addStackedBar(uint32_t secondValue, int index);
    void scrollAndHatch(int pitch);
    void addNextBar();
    void showTip();
    void hideTip();

    uint32_t minimum_ = 0;
    uint32_t maximum_ = 100;
    uint32_t current_ = 0;
    QFont tipFont_;
    std::array<QRect, kMaxBars> barRects_{};
    QPixmap surface_;
    bool busy_ = true;

    GraphDisplayRecord record_;
    bool stacked_ = false;
    int pendingBars_ = 0;
    int nextBar_ = 0;
    int singlePauseMs_ = 5;
    int stackedPauseMs_ = 2;
    QTimer barTimer_;

    int tipCount_ = 0;
    QStringList tipTexts_;
    QLabel* tipLabel_ = nullptr;
    int tipIndex_ = -1;
    QTimer wakeTimer_;
    QTimer popTimer_;
    AccessibleTexts accessibleTexts_;
};

}  // namespace hm
