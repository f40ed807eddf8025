#include "graphs/GraphDisplay.h"

#include <gtest/gtest.h>

#include "fleetdata/FleetDataImage.h"
#include "resources/Strings.h"
#include "session/DialogButtons.h"

namespace {

struct Shown {
    hm::GraphDisplayRecord record;
    hm::GraphTexts texts;
    uint32_t intervals = 12345;
};

class GraphDisplay : public ::testing::Test {
  protected:
    void SetUp() override { image.clear(); }

    Shown show(int n) {
        Shown s;
        s.record.selectedGraph = 7;  // the display update must leave it alone
        s.texts = hm::computeGraphDisplay(image, n, s.record, s.intervals);
        return s;
    }

    hm::FleetDataImage image;
};

TEST_F(GraphDisplay, AverageBrakingTimeUsesCountsAndRaisesMaximumToTen) {
    image.brakeTimeByPressure[3] = 500;  // count 0: bar 0
    image.brakeTimeByPressure[0] = 250;
    image.brakeCountByPressure[0] = 2;
    Shown s = show(1);
    EXPECT_FLOAT_EQ(s.record.barValues[0], 125.0f);
    EXPECT_FLOAT_EQ(s.record.barValues[3], 0.0f);
    EXPECT_FLOAT_EQ(s.record.maximum, 125.0f);
    EXPECT_EQ(s.texts.topValue, "1.25");
    EXPECT_EQ(s.texts.bottomValue, "0.00");
    EXPECT_EQ(s.record.selectedGraph, 7);
    EXPECT_EQ(s.record.shownGraph, 1);

    image.brakeTimeByPressure[0] = 8;
    s = show(1);
    EXPECT_FLOAT_EQ(s.record.barValues[0], 4.0f);
    EXPECT_FLOAT_EQ(s.record.maximum, 10.0f);
    EXPECT_EQ(s.texts.topValue, "0.10");
}

TEST_F(GraphDisplay, CountsAboveFloatPrecisionDivideWithoutOverflow) {
    image.brakeTimeByPressure[1] = 0xFFFFFFFFu;
    image.brakeCountByPressure[1] = 0xFFFFFFFFu;
    EXPECT_FLOAT_EQ(show(1).record.barValues[1], 1.0f);
    image.pressureSumBySpeed[2] = 300;
    image.brakeCountBySpeed[2] = 4;
    Shown s = show(4);
    EXPECT_FLOAT_EQ(s.record.barValues[2], 75.0f);
    EXPECT_EQ(s.texts.topValue, "3.8");  // 0.05 x 75 = 3.75, one decimal
    EXPECT_EQ(s.texts.verticalUnit, "(Bar)");
}

TEST_F(GraphDisplay, AllZeroCountsGiveTopLabelTen) {
    Shown s = show(2);
    EXPECT_FLOAT_EQ(s.record.maximum, 10.0f);
    EXPECT_EQ(s.texts.topValue, "10");
    EXPECT_EQ(s.texts.bottomValue, " 0");
    EXPECT_EQ(s.record.barCount, 16);
    EXPECT_TRUE(s.texts.scaleTextVisible);
    EXPECT_FALSE(s.texts.distanceLabelsVisible);
    EXPECT_EQ(s.texts.scaleText, hm::str(215));
}

TEST_F(GraphDisplay, TitlesAndAxisTextsFollowTheTable) {
    const char* horizontal[] = {"",
                                "(Bar)",
                                "(Bar)",
                                "(Bar)",
                                "(Kph)",
                                "(Kph)",
                                "(Each Bar represents 500 km)",
                                "(Each Bar represents 500 km)",
                                "(Each Bar represents 500 km)",
                                "(Percentage Load (100% = Fully Laden) )",
                                "(Bar)"};
    const char* vertical[] = {"",      "(Sec)", "(No.)", "(Sec)", "(Bar)", "(No.)",
                              "(No.)", "(No.)", "(No.)", "(km)",  "(km)"};
    for (int n = 1; n <= 10; ++n) {
        Shown s = show(n);
        EXPECT_EQ(s.texts.title, hm::str(202 + n)) << n;
        EXPECT_EQ(s.texts.horizontalUnit, horizontal[n]) << n;
        EXPECT_EQ(s.texts.verticalUnit, vertical[n]) << n;
        EXPECT_EQ(s.record.barCount, hm::isDistanceGraph(n) ? 28 : 16) << n;
    }
    EXPECT_EQ(show(10).texts.scaleText, hm::str(217));
    EXPECT_EQ(show(9).texts.scaleText, hm::str(216));
}

// The graph buttons come from the one button table, fed with the graph the display shows.
hm::ButtonStates buttonsFor(const hm::GraphDisplayRecord& record) {
    hm::DialogState state;
    state.data = hm::DataSource::File;
    state.shownGraph = record.shownGraph;
    return hm::buttonStates(state);
}

TEST_F(GraphDisplay, ButtonStatesAtTheEnds) {
    hm::ButtonStates b = buttonsFor(show(0).record);
    EXPECT_FALSE(b.previous || b.next || b.print || b.information);
    b = buttonsFor(show(1).record);
    EXPECT_FALSE(b.previous);
    EXPECT_TRUE(b.next && b.print && b.information);
    b = buttonsFor(show(5).record);
    EXPECT_TRUE(b.previous && b.next);
    b = buttonsFor(show(10).record);
    EXPECT_TRUE(b.previous && b.print);
    EXPECT_FALSE(b.next);
}

TEST_F(GraphDisplay, BlankGraphAndNumbersOutsideTheTable) {
    image.brakeCountByPressure[0] = 99;
    for (int n : {0, -1, 11, 1000}) {
        Shown s = show(n);
        EXPECT_EQ(s.record.shownGraph, 0) << n;
        EXPECT_EQ(s.texts.title, " ") << n;
        EXPECT_EQ(s.texts.topValue, "") << n;
        EXPECT_EQ(s.texts.bottomValue, "") << n;
        EXPECT_EQ(s.texts.verticalUnit, " ") << n;
        EXPECT_FLOAT_EQ(s.record.maximum, 10.0f) << n;
        for (float v : s.record.barValues) {
            EXPECT_EQ(v, 0.0f);
        }
        const hm::ButtonStates b = buttonsFor(s.record);
        EXPECT_FALSE(b.next || b.print) << n;
    }
}

TEST_F(GraphDisplay, DistanceGraphsReadTheRingAndLabelTheAxis) {
    image.slpBrakeAppsByDistance[hm::kEntry29] = 27;  // intervalCount
    for (int e = 0; e < hm::kRingEntries; ++e) {
        image.brakeAppsByDistance[e] = 100 + static_cast<uint32_t>(e);
        image.slpBrakeAppsByDistance[e] = 10 + static_cast<uint32_t>(e);
        image.absEventsByDistance[e] = static_cast<uint32_t>(e);
    }
    Shown s = show(6);
    EXPECT_EQ(s.intervals, 27u);
    // Position 0 holds the oldest interval: slot (27 + 0) mod 28 = 27.
    EXPECT_FLOAT_EQ(s.record.barValues[0], 127.0f);
    EXPECT_FLOAT_EQ(s.record.secondValues[0], 37.0f);
    EXPECT_FLOAT_EQ(s.record.barValues[1], 100.0f);
    EXPECT_FLOAT_EQ(s.record.maximum, 127.0f);
    EXPECT_EQ(s.record.barCount, 28);
    EXPECT_FALSE(s.texts.scaleTextVisible);
    EXPECT_TRUE(s.texts.distanceLabelsVisible);
    EXPECT_EQ(s.texts.leftDistance, "");
    EXPECT_EQ(s.texts.rightDistance, "13500");
    EXPECT_EQ(hm::barTipText(s.record, 0), "127  (37)");

    // Graph 7 keeps second values at 0 and uses its own value format for the tips.
    s = show(7);
    EXPECT_FLOAT_EQ(s.record.barValues[0], 27.0f);
    for (float v : s.record.secondValues) {
        EXPECT_EQ(v, 0.0f);
    }
    EXPECT_EQ(hm::barTipText(s.record, 0), "27");

    image.slpBrakeAppsByDistance[hm::kEntry29] = 30;
    s = show(8);
    EXPECT_EQ(s.texts.leftDistance, "1000");
    EXPECT_EQ(s.texts.rightDistance, "15000");
}

TEST_F(GraphDisplay, DistanceLabelsOfHugeIntervalCountsDoNotWrap) {
    image.slpBrakeAppsByDistance[hm::kEntry29] = 0xFFFFFFFFu;
    Shown s = show(7);
    EXPECT_EQ(s.texts.rightDistance, "2147483647500");
    EXPECT_EQ(s.texts.leftDistance, "2147483633500");
}

TEST_F(GraphDisplay, SecondValuesNeverRaiseTheMaximum) {
    image.slpBrakeAppsByDistance[0] = 5000;
    Shown s = show(6);
    EXPECT_FLOAT_EQ(s.record.maximum, 10.0f);
    EXPECT_EQ(s.texts.topValue, "10");
}

TEST(FormatValue, AcceptsOneFloatingConversionOnly) {
    EXPECT_EQ(hm::formatValue("%2.2f", 1.25), "1.25");
    EXPECT_EQ(hm::formatValue("%2.0f", 3.0), " 3");
    EXPECT_EQ(hm::formatValue("%1.1f %%", 0.5), "0.5 %");
    EXPECT_EQ(hm::formatValue("", 1.0), "");
    EXPECT_EQ(hm::formatValue("%s", 1.0), "");
    EXPECT_EQ(hm::formatValue("%f %f", 1.0), "");
    EXPECT_EQ(hm::formatValue("%n", 1.0), "");
    EXPECT_EQ(hm::formatValue("%", 1.0), "");
    EXPECT_EQ(hm::formatValue("%1000.1f", 1.0).size(), 511u);  // truncated, not overrun
}

TEST(BarTipText, ScalesByTheRecordAndRejectsBadIndexes) {
    hm::GraphDisplayRecord r;
    r.shownGraph = 1;
    r.scale = 0.01f;
    r.valueFormat = "%2.2f";
    r.barValues[15] = 125.0f;
    EXPECT_EQ(hm::barTipText(r, 15), "1.25");
    EXPECT_EQ(hm::barTipText(r, -1), "");
    EXPECT_EQ(hm::barTipText(r, 28), "");
}

}  // namespace
