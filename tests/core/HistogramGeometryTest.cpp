#include "histogram/core/HistogramGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace hm::histogram;

TEST(HistogramGeometry, BarHeightIsTruncatedAndKeepsFivePercentHeadroom) {
    EXPECT_EQ(barHeight(10, 0, 10, 200), 190);
    EXPECT_EQ(barHeight(0, 0, 10, 200), 0);
    EXPECT_EQ(barHeight(3, 0, 10, 201), 57);  // 57.285 truncated
    EXPECT_EQ(barHeight(15, 5, 15, 100), 95);
    EXPECT_EQ(barHeight(5, 5, 5, 100), 0);        // empty range draws nothing
    EXPECT_EQ(barHeight(4e9, 0, 10, 100), 1600);  // unclamped second values stay bounded
}

TEST(HistogramGeometry, ValuesClampIntoTheRangeAndFloatsConvertSafely) {
    EXPECT_EQ(clampValue(50, 0, 10), 10u);
    EXPECT_EQ(clampValue(1, 5, 10), 5u);
    EXPECT_EQ(clampValue(7, 5, 10), 7u);
    EXPECT_EQ(truncToU32(12.9f), 12u);
    EXPECT_EQ(truncToU32(-3.0f), 0u);
    EXPECT_EQ(truncToU32(std::numeric_limits<float>::quiet_NaN()), 0u);
    EXPECT_EQ(truncToU32(4294967295.0f), 0xFFFFFFFFu);  // rounds up to 2^32 as a float
    EXPECT_EQ(truncToU32(1e30f), 0xFFFFFFFFu);
}

TEST(HistogramGeometry, SingleBarsAndTheirTipAreas) {
    EXPECT_EQ(singleBarRect(540, 200, 57), (Rect{507, 143, 529, 200}));
    // Bar 0 stands 528 pixels from the right edge; an empty bar keeps the bottom 5 %.
    EXPECT_EQ(singleTipRect(540, 200, 0, 200), (Rect{12, 190, 34, 200}));
    EXPECT_EQ(singleTipRect(540, 200, 15, 10), (Rect{507, 10, 529, 200}));
    // Narrow client: the first bars have scrolled off to the left.
    EXPECT_EQ(singleTipRect(500, 200, 0, 150).left, -28);
    EXPECT_EQ(singleTipRect(540, 200, 256 + 1, 150).left, 12 + 33);  // index modulo 256
}

TEST(HistogramGeometry, StackedBarParts) {
    StackedParts p = stackedBarParts(540, 200, 10, 4, 0, 10);
    EXPECT_EQ(p.totalTop, 10);
    EXPECT_EQ(p.upper, (Rect{521, 10, 535, 124}));
    EXPECT_EQ(p.lower, (Rect{521, 124, 535, 200}));
    // Second value above the total: no teal part, the red part alone reaches its own top.
    p = stackedBarParts(540, 200, 2, 8, 0, 10);
    EXPECT_EQ(p.upper.bottom - p.upper.top, 0);
    EXPECT_EQ(p.lower.top, 200 - 152);
    EXPECT_EQ(stackedTipRect(540, 200, 0, 200), (Rect{8, 190, 22, 200}));
    EXPECT_EQ(stackedTipRect(540, 200, 27, 50), (Rect{521, 50, 535, 200}));
}
