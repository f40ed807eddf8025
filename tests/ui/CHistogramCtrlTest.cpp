#include "histogram/CHistogramCtrl.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include "histogram/core/HistogramGeometry.h"

namespace {

constexpr int kW = 540;
constexpr int kH = 200;

class Histogram : public ::testing::Test {
  protected:
    void SetUp() override {
        ctrl.setGeometry(0, 0, kW + 6, kH + 6);
        ctrl.setBuildUpPauses(0, 0);
        ctrl.show();
        ctrl.SetRange(0, 10);
    }

    QImage surface() const { return ctrl.surface().toImage(); }

    // Topmost row of column x that has colour c, or -1.
    int topOf(int x, QRgb c) const {
        const QImage img = surface();
        for (int y = 0; y < img.height(); ++y) {
            if (img.pixel(x, y) == c) {
                return y;
            }
        }
        return -1;
    }

    void draw(const hm::GraphDisplayRecord& r) {
        ctrl.Update(r);
        ctrl.finishBuildUp();
    }

    hm::CHistogramCtrl ctrl;
};

hm::GraphDisplayRecord singleRecord() {
    hm::GraphDisplayRecord r;
    r.shownGraph = 2;
    r.maximum = 100;
    r.scale = 1.0f;
    r.valueFormat = "%2.0f";
    r.barCount = 16;
    for (int i = 0; i < 16; ++i) {
        r.barValues[i] = static_cast<float>(i * 10);
    }
    return r;
}

TEST_F(Histogram, SurfaceStartsHatchedBlueOnLightGrey) {
    ASSERT_EQ(ctrl.surface().size(), QSize(kW, kH));
    const QImage img = surface();
    int blueRows = 0;
    for (int y = 0; y < 16; ++y) {
        const QRgb p = img.pixel(100, y);
        ASSERT_TRUE(p == hm::CHistogramCtrl::kHatch || p == hm::CHistogramCtrl::kBackground);
        if (p == hm::CHistogramCtrl::kHatch) {
            ++blueRows;
            EXPECT_EQ(img.pixel(100, y + 8), hm::CHistogramCtrl::kHatch);  // period 8
            EXPECT_EQ(img.pixel(3, y), hm::CHistogramCtrl::kHatch);        // full-width lines
        }
    }
    EXPECT_EQ(blueRows, 2);
    EXPECT_TRUE(ctrl.busy());
    EXPECT_EQ(ctrl.cursor().shape(), Qt::WaitCursor);
}

// The hatch is drawn line by line for speed; it must give exactly the pixels of Qt's own
// pattern brush, for the whole surface, the strips a scroll uncovers and any brush origin.
TEST(HistogramHatch, SamePixelsAsQtsHorizontalPattern) {
    struct Case {
        QRect rect;
        QPoint origin;
    };
    const Case cases[] = {{{0, 0, 64, 40}, {0, 0}}, {{30, 5, 7, 33}, {0, 0}},
                          {{2, 11, 20, 1}, {0, 0}}, {{2, 12, 20, 1}, {0, 0}},
                          {{0, 0, 64, 40}, {0, 5}}, {{9, 3, 13, 29}, {4, -13}},
                          {{0, 0, 0, 0}, {0, 0}}};
    for (const Case& c : cases) {
        QImage ours(64, 40, QImage::Format_RGB32);
        ours.fill(Qt::white);
        QImage qts = ours;
        QPainter p(&ours);
        p.setBrushOrigin(c.origin);
        hm::CHistogramCtrl::fillHatch(p, c.rect);
        p.end();
        QPainter q(&qts);
        q.setBrushOrigin(c.origin);
        q.fillRect(c.rect, QColor::fromRgb(hm::CHistogramCtrl::kBackground));
        q.fillRect(c.rect, QBrush(QColor::fromRgb(hm::CHistogramCtrl::kHatch), Qt::HorPattern));
        q.end();
        EXPECT_EQ(ours, qts) << "rect " << c.rect.x() << "," << c.rect.y() << " " << c.rect.width()
                             << "x" << c.rect.height() << " origin " << c.origin.y();
    }
}

TEST_F(Histogram, SingleBarsStandAtTheirPitchWithTruncatedHeights) {
    hm::GraphDisplayRecord r = singleRecord();
    r.barValues[15] = 250;  // above the maximum: clamped
    draw(r);
    EXPECT_EQ(ctrl.rangeMaximum(), 100u);
    for (int i = 1; i < 16; ++i) {
        const int left = kW - 528 + 33 * i;
        const int h = i >= 10 ? 190 : static_cast<int>(i * 10 / 100.0 * kH * 0.95);
        EXPECT_EQ(topOf(left, hm::CHistogramCtrl::kBar), kH - h) << i;
        EXPECT_EQ(topOf(left + 21, hm::CHistogramCtrl::kBar), kH - h) << i;
        EXPECT_EQ(topOf(left + 22, hm::CHistogramCtrl::kBar), -1) << i;  // the gap
        EXPECT_EQ(topOf(left - 1, hm::CHistogramCtrl::kBar), -1) << i;
        EXPECT_EQ(ctrl.tipRect(i),
                  QRect(QPoint(left, std::min(kH - h, 190)), QPoint(left + 21, kH - 1)));
    }
    // Bar 0 is empty but keeps a hit area of the bottom 5 %.
    EXPECT_EQ(topOf(kW - 528, hm::CHistogramCtrl::kBar), -1);
    EXPECT_EQ(ctrl.tipRect(0), QRect(QPoint(12, 190), QPoint(33, 199)));
    EXPECT_EQ(ctrl.tipCount(), 16);
    EXPECT_EQ(ctrl.tipText(3), QStringLiteral("30"));
    EXPECT_EQ(ctrl.tipText(15), QStringLiteral("250"));
    EXPECT_EQ(ctrl.tipIndexAt(QPoint(kW - 528 + 33 * 5 + 3, 199)), 5);
    EXPECT_EQ(ctrl.tipIndexAt(QPoint(kW - 528 + 33 * 5 + 25, 199)), -1);
    EXPECT_FALSE(ctrl.busy());
    EXPECT_EQ(ctrl.cursor().shape(), Qt::CrossCursor);
}

TEST_F(Histogram, StackedBarsShowTheSecondValueInRedUnderTheTeal) {
    hm::GraphDisplayRecord r;
    r.shownGraph = 6;
    r.selectedGraph = 1;  // the shown graph decides, not the selection
    r.maximum = 40;
    r.scale = 1.0f;
    r.valueFormat = "%2.0f";
    r.barCount = 28;
    r.barValues[27] = 40;
    r.secondValues[27] = 10;
    r.barValues[26] = 8;
    r.secondValues[26] = 20;  // second above the total
    r.barValues[0] = 3;
    draw(r);
    const int x27 = kW - 532 + 19 * 27;
    EXPECT_EQ(topOf(x27, hm::CHistogramCtrl::kBar), kH - 190);
    EXPECT_EQ(topOf(x27, hm::CHistogramCtrl::kSecond), kH - 47);
    EXPECT_EQ(surface().pixel(x27 + 13, kH - 1), hm::CHistogramCtrl::kSecond);
    EXPECT_NE(surface().pixel(x27 + 14, kH - 1), hm::CHistogramCtrl::kSecond);
    const int x26 = kW - 532 + 19 * 26;
    EXPECT_EQ(topOf(x26, hm::CHistogramCtrl::kBar), -1);
    EXPECT_EQ(topOf(x26, hm::CHistogramCtrl::kSecond), kH - 95);
    EXPECT_EQ(ctrl.tipText(27), QStringLiteral("40  (10)"));
    EXPECT_EQ(ctrl.tipText(0), QStringLiteral("3  (0)"));
    EXPECT_EQ(ctrl.tipRect(26).top(), kH - 38);  // the total's top, not the red part's
    EXPECT_EQ(ctrl.tipCount(), 28);

    // Graph 7: stacked with zero second values, tips in the graph's format.
    r.shownGraph = 7;
    r.valueFormat = "%2.0f";
    r.secondValues[27] = 0;
    r.barValues[27] = 5;
    draw(r);
    EXPECT_EQ(topOf(x27, hm::CHistogramCtrl::kSecond), -1);
    EXPECT_EQ(ctrl.tipText(27), QStringLiteral(" 5"));
}

TEST(HistogramWide, NothingOfTheGraphBeforeStaysAfterAnUpdate) {
    // Wider than the bars: the strip left of the newest 528 pixels is never covered by the new
    // graph's bars, so an update must start from the bare hatch.
    constexpr int w = 640;
    hm::CHistogramCtrl wide;
    wide.setGeometry(0, 0, w + 6, kH + 6);
    wide.setBuildUpPauses(0, 0);
    wide.show();
    wide.SetRange(0, 10);
    hm::GraphDisplayRecord blank;
    blank.maximum = 10;
    wide.Update(blank);
    wide.finishBuildUp();
    const QImage fresh = wide.surface().toImage();

    wide.Update(singleRecord());
    wide.finishBuildUp();
    wide.SetValue(0, 0);  // as the display update does before each graph
    wide.SetValue(0, 0);
    wide.Update(blank);
    wide.finishBuildUp();
    EXPECT_EQ(wide.surface().toImage(), fresh);
}

TEST_F(Histogram, BuildUpRunsFromTheEventLoopAndTipsAppearOnHover) {
    ctrl.setBuildUpPauses(1, 1);
    hm::GraphDisplayRecord r = singleRecord();
    ctrl.Update(r);
    EXPECT_TRUE(ctrl.buildingUp());
    EXPECT_TRUE(ctrl.busy());
    QTRY_VERIFY_WITH_TIMEOUT(!ctrl.buildingUp(), 5000);
    EXPECT_FALSE(ctrl.busy());

    const QRect bar = ctrl.tipRect(9);
    const QPoint inWidget = bar.center() + ctrl.clientRect().topLeft();
    QMouseEvent move(QEvent::MouseMove, QPointF(inWidget), ctrl.mapToGlobal(QPointF(inWidget)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&ctrl, &move);
    QTRY_VERIFY_WITH_TIMEOUT(ctrl.tipLabel()->isVisible(), 3000);
    EXPECT_EQ(ctrl.tipLabel()->text(), QStringLiteral("90"));
    EXPECT_EQ(ctrl.tipLabel()->palette().color(QPalette::Window).rgb(),
              hm::CHistogramCtrl::kTipBackground);
    EXPECT_EQ(ctrl.tipLabel()->palette().color(QPalette::WindowText).rgb(),
              hm::CHistogramCtrl::kTipText);
    EXPECT_TRUE(ctrl.tipLabel()->font().bold());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&ctrl, &leave);
    EXPECT_FALSE(ctrl.tipLabel()->isVisible());
}

TEST_F(Histogram, SetValueReturnsThePreviousClampedValue) {
    EXPECT_EQ(ctrl.SetValue(50, 0), 0u);
    EXPECT_EQ(ctrl.SetValue(3, 1), 10u);
    EXPECT_EQ(ctrl.SetValuePair(7, 100, 2), 3u);
    EXPECT_EQ(ctrl.currentValue(), 7u);
}

}  // namespace
