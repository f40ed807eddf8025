#include "histogram/CHistogramCtrl.h"

#include <qdrawutil.h>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "histogram/HistogramAccessible.h"
#include "histogram/core/HistogramGeometry.h"

namespace hm {
namespace {

QRect toQRect(const histogram::Rect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

}  // namespace

void CHistogramCtrl::fillHatch(QPainter& p, const QRect& r) {
    // Qt's horizontal-line pattern is an 8 x 8 tile with one inked row, the fourth from the
    // brush origin. Filling through the pattern brush samples the tile for every pixel (about
    // 2 ms for the whole chart, the largest cost of the window's first paint); the same pixels
    // come from one solid line per eighth row.
    constexpr int kPeriod = 8;
    constexpr int kInkedRow = 3;
    p.fillRect(r, QColor::fromRgb(kBackground));
    const QColor hatch = QColor::fromRgb(kHatch);
    const int phase = ((r.top() - p.brushOrigin().y() - kInkedRow) % kPeriod + kPeriod) % kPeriod;
    for (int y = r.top() + (kPeriod - phase) % kPeriod; y <= r.bottom(); y += kPeriod) {
        p.fillRect(QRect(r.left(), y, r.width(), 1), hatch);
    }
}

CHistogramCtrl::CHistogramCtrl(QWidget* parent) : QWidget(parent) {
    installHistogramAccessibility();
    // A bold terminal-style face, 18 pixels per character cell.
    tipFont_.setFamilies({QStringLiteral("terminal"), QStringLiteral("DejaVu Sans Mono"),
                          QStringLiteral("monospace")});
    tipFont_.setStyleHint(QFont::TypeWriter);
    tipFont_.setPixelSize(15);
    tipFont_.setBold(true);

    setContentsMargins(kFrameWidth, kFrameWidth, kFrameWidth, kFrameWidth);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::WaitCursor);

    tipLabel_ = new QLabel(this, Qt::ToolTip);
    tipLabel_->setFont(tipFont_);
    tipLabel_->setAutoFillBackground(true);
    tipLabel_->setMargin(2);
    QPalette pal = tipLabel_->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(kTipBackground));
    pal.setColor(QPalette::WindowText, QColor::fromRgb(kTipText));
    tipLabel_->setPalette(pal);
    tipLabel_->hide();

    barTimer_.setSingleShot(true);
    connect(&barTimer_, &QTimer::timeout, this, &CHistogramCtrl::addNextBar);
    wakeTimer_.setSingleShot(true);
    wakeTimer_.setInterval(kTipWakeUpMs);
    connect(&wakeTimer_, &QTimer::timeout, this, &CHistogramCtrl::showTip);
    popTimer_.setSingleShot(true);
    popTimer_.setInterval(kTipAutoPopMs);
    connect(&popTimer_, &QTimer::timeout, this, &CHistogramCtrl::hideTip);
}

CHistogramCtrl::~CHistogramCtrl() = default;

double CHistogramCtrl::singleBarCentre(int index) const {
    const QRect c = clientRect();
    const int bar0 = c.left() + c.width() - histogram::kSingleBars * histogram::kSinglePitch;
    return bar0 + histogram::kSinglePitch * index + histogram::kSingleWidth / 2.0;
}

double CHistogramCtrl::singleBarBoundary(int index) const {
    const QRect c = clientRect();
    const int bar0 = c.left() + c.width() - histogram::kSingleBars * histogram::kSinglePitch;
    return bar0 + histogram::kSinglePitch * index -
           (histogram::kSinglePitch - histogram::kSingleWidth) / 2.0;
}

int CHistogramCtrl::stackedBarsLeft() const {
    const QRect c = clientRect();
    return c.left() + c.width() - histogram::kStackedBars * histogram::kStackedPitch;
}

int CHistogramCtrl::stackedBarsRight() const {
    const QRect c = clientRect();
    return c.left() + c.width() - (histogram::kStackedPitch - histogram::kStackedWidth);
}

QRect CHistogramCtrl::clientRect() const {
    return contentsRect();
}

void CHistogramCtrl::SetRange(uint32_t minimum, uint32_t maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    const QSize size = clientRect().size();
    if (surface_.isNull() && !size.isEmpty()) {
        surface_ = QPixmap(size);
        QPainter p(&surface_);
        fillHatch(p, surface_.rect());
    }
    update();
}

void CHistogramCtrl::scrollAndHatch(int pitch) {
    const int w = surface_.width();
    const int h = surface_.height();
    surface_.scroll(-pitch, 0, surface_.rect());
    QPainter p(&surface_);
    fillHatch(p, QRect(w - pitch, 0, pitch, h));
}

void CHistogramCtrl::addSingleBar(int index) {
    if (surface_.isNull()) {
        return;
    }
    const int w = surface_.width();
    const int h = surface_.height();
    scrollAndHatch(histogram::kSinglePitch);
    const int barH = histogram::barHeight(current_, minimum_, maximum_, h);
    const histogram::Rect bar = histogram::singleBarRect(w, h, barH);
    barRects_[static_cast<size_t>(index & 0xFF) % kMaxBars] =
        toQRect(histogram::singleTipRect(w, h, index, bar.top));
    if (barH > 0) {
        QPainter p(&surface_);
        p.fillRect(toQRect(bar), QColor::fromRgb(kBar));
    }
    update();
}

void CHistogramCtrl::addStackedBar(uint32_t secondValue, int index) {
    if (surface_.isNull()) {
        return;
    }
    const int w = surface_.width();
    const int h = surface_.height();
    scrollAndHatch(histogram::kStackedPitch);
    const histogram::StackedParts parts =
        histogram::stackedBarParts(w, h, current_, secondValue, minimum_, maximum_);
    barRects_[static_cast<size_t>(index & 0xFF) % kMaxBars] =
        toQRect(histogram::stackedTipRect(w, h, index, parts.totalTop));
    QPainter p(&surface_);
    if (parts.upper.bottom > parts.upper.top) {
        p.fillRect(toQRect(parts.upper), QColor::fromRgb(kBar));
    }
    if (parts.lower.bottom > parts.lower.top) {
        p.fillRect(toQRect(parts.lower), QColor::fromRgb(kSecond));
    }
    update();
}

uint32_t CHistogramCtrl::SetValue(uint32_t value, int index) {
    finishBuildUp();
    const uint32_t previous = current_;
    current_ = histogram::clampValue(value, minimum_, maximum_);
    addSingleBar(index);
    return previous;
}

uint32_t CHistogramCtrl::SetValuePair(uint32_t value, uint32_t secondValue, int index) {
    finishBuildUp();
    const uint32_t previous = current_;
    current_ = histogram::clampValue(value, minimum_, maximum_);
    addStackedBar(secondValue, index);
    return previous;
}

void CHistogramCtrl::setBuildUpPauses(int singleMs, int stackedMs) {
    singlePauseMs_ = std::max(0, singleMs);
    stackedPauseMs_ = std::max(0, stackedMs);
}

void CHistogramCtrl::Update(const GraphDisplayRecord& record) {
    finishBuildUp();
    record_ = record;
    SetRange(0, histogram::truncToU32(record_.maximum));
    // A graph looks the same whatever was shown before it: the bars of the new graph do not
    // reach the chart's left edge, so the whole surface starts from the bare hatch.
    if (!surface_.isNull()) {
        QPainter p(&surface_);
        fillHatch(p, surface_.rect());
    }
    stacked_ = isDistanceGraph(record_.shownGraph);
    pendingBars_ = stacked_ ? histogram::kStackedBars : histogram::kSingleBars;
    nextBar_ = 0;
    barTimer_.start(0);
}

void CHistogramCtrl::addNextBar() {
    if (nextBar_ >= pendingBars_) {
        return;
    }
    const int i = nextBar_++;
    const uint32_t value = histogram::truncToU32(record_.barValues[i]);
    current_ = histogram::clampValue(value, minimum_, maximum_);
    if (stacked_) {
        addStackedBar(histogram::truncToU32(record_.secondValues[i]), i);
    } else {
        addSingleBar(i);
    }
    if (nextBar_ < pendingBars_) {
        barTimer_.start(stacked_ ? stackedPauseMs_ : singlePauseMs_);
    } else {
        SetupTooltips();
        emit updateFinished();
    }
}

void CHistogramCtrl::finishBuildUp() {
    barTimer_.stop();
    while (nextBar_ < pendingBars_) {
        addNextBar();
        barTimer_.stop();
    }
}

int CHistogramCtrl::accessibleBarCount() const {
    return record_.shownGraph == 0 || busy_ ? 0 : tipCount_;
}

QString CHistogramCtrl::barAccessibleName(int index) const {
    if (index < 0 || index >= accessibleBarCount()) {
        return {};
    }
    const int graph = record_.shownGraph;
    const std::string range = isDistanceGraph(graph) ? distanceLabel(index, record_.shownIntervals)
                                                     : barRangeText(graph, index);
    if (range.empty()) {
        return barAccessibleDescription(index);
    }
    return accessibleTexts_.bar.arg(QString::fromStdString(range), tipText(index).trimmed());
}

QString CHistogramCtrl::barAccessibleDescription(int index) const {
    return accessibleTexts_.barOf.arg(index + 1).arg(accessibleBarCount());
}

QRect CHistogramCtrl::barWidgetRect(int index) const {
    return tipRect(index).translated(clientRect().topLeft());
}

void CHistogramCtrl::SetupTooltips() {
    hideTip();
    tipTexts_.clear();
    tipCount_ = std::clamp(record_.barCount, 0, kMaxBars);
    for (int i = 0; i < tipCount_; ++i) {
        tipTexts_ << QString::fromStdString(barTipText(record_, i));
    }
    busy_ = false;
    setCursor(Qt::CrossCursor);
    histogramBarsChanged(this);
}

QRect CHistogramCtrl::tipRect(int index) const {
    if (index < 0 || index >= tipCount_) {
        return {};
    }
    return barRects_[static_cast<size_t>(index)];
}

QString CHistogramCtrl::tipText(int index) const {
    return (index >= 0 && index < tipTexts_.size()) ? tipTexts_[index] : QString();
}

int CHistogramCtrl::tipIndexAt(QPoint clientPoint) const {
    for (int i = 0; i < tipCount_; ++i) {
        if (barRects_[static_cast<size_t>(i)].contains(clientPoint)) {
            return i;
        }
    }
    return -1;
}

void CHistogramCtrl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect outer = rect();
    // Static edge (one dark line) around a sunken two-pixel client edge.
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(outer.adjusted(0, 0, -1, -1));
    qDrawWinPanel(&p, outer.adjusted(1, 1, -1, -1), palette(), true);
    if (!surface_.isNull()) {
        p.drawPixmap(clientRect().topLeft(), surface_);
    } else {
        p.fillRect(clientRect(), palette().color(QPalette::Window));
    }
}

void CHistogramCtrl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint clientPoint = event->position().toPoint() - clientRect().topLeft();
    const int index = tipIndexAt(clientPoint);
    if (index != tipIndex_) {
        hideTip();
        tipIndex_ = index;
        if (index >= 0) {
            wakeTimer_.start();
        }
    }
    QWidget::mouseMoveEvent(event);
}

void CHistogramCtrl::leaveEvent(QEvent* event) {
    hideTip();
    tipIndex_ = -1;
    QWidget::leaveEvent(event);
}

void CHistogramCtrl::showTip() {
    if (tipIndex_ < 0 || tipIndex_ >= tipCount_ || tipTexts_[tipIndex_].isEmpty()) {
        return;
    }
    tipLabel_->setText(tipTexts_[tipIndex_]);
    tipLabel_->adjustSize();
    tipLabel_->move(QCursor::pos() + QPoint(2, 20));
    tipLabel_->show();
    popTimer_.start();
}

void CHistogramCtrl::hideTip() {
    wakeTimer_.stop();
    popTimer_.stop();
    tipLabel_->hide();
}

}  // namespace hm
