// The per-graph difference of two downloads: usage for counting graphs (the distance ring matched
// by interval as it moves on, a reset when counters went down), averages side by side.
#include <gtest/gtest.h>

#include "fleetdata/FleetDataImage.h"
#include "library/Library.h"
#include "library/LibraryDiff.h"

namespace {

using hm::FleetDataImage;
using hm::library::diffImages;
using hm::library::GraphDiff;

FleetDataImage blankImage() {
    FleetDataImage image;
    image.clear();
    return image;
}

// ABS events (graph 7) per completed 500 km interval: interval i holds value(i); `intervals`
// intervals are completed.
template <typename Value>
void fillRing(FleetDataImage& image, uint32_t intervals, Value value) {
    image.slpBrakeAppsByDistance[hm::kEntry29] = intervals;
    for (uint32_t i = intervals >= 28 ? intervals - 28 : 0; i < intervals; ++i) {
        image.absEventsByDistance[i % 28] = value(i);
    }
}

TEST(LibraryDiff, CountingGraphsGiveUsageAndAveragesStandSideBySide) {
    FleetDataImage older = blankImage();
    FleetDataImage newer = blankImage();
    for (int bar = 0; bar < 16; ++bar) {
        older.brakeCountByPressure[bar] = 100;
        newer.brakeCountByPressure[bar] = 100 + bar;
        older.brakeTimeByPressure[bar] = 100 * 200;  // averages 2.00 s and 1.00 s
        newer.brakeTimeByPressure[bar] = (100 + bar) * 100;
    }
    const std::vector<GraphDiff> diffs = diffImages(older, newer);
    ASSERT_EQ(diffs.size(), 10u);
    const GraphDiff& counts = diffs[1];  // graph 2
    EXPECT_TRUE(counts.counting);
    EXPECT_FALSE(counts.countersReset);
    EXPECT_DOUBLE_EQ(counts.bars[5].usage, 5.0);
    const GraphDiff& averages = diffs[0];  // graph 1
    EXPECT_FALSE(averages.counting);
    EXPECT_NEAR(averages.bars[5].older, 2.0, 1e-6);
    EXPECT_NEAR(averages.bars[5].newer, 1.0, 1e-6);
    EXPECT_FALSE(diffs[3].counting);  // graph 4: average pressure
    for (int graph : {2, 3, 5, 6, 7, 8, 9, 10}) {
        EXPECT_TRUE(diffs[static_cast<size_t>(graph - 1)].counting) << graph;
    }
}

TEST(LibraryDiff, DistanceRingIsMatchedByIntervalAndResetIsNamed) {
    FleetDataImage older = blankImage();
    FleetDataImage newer = blankImage();
    fillRing(older, 30, [](uint32_t i) { return 10 * i; });
    // Two more intervals driven: each old interval got one more event, the new ones five.
    fillRing(newer, 32, [](uint32_t i) { return i < 30 ? 10 * i + 1 : 5u; });
    GraphDiff ring = diffImages(older, newer)[6];  // graph 7
    ASSERT_EQ(ring.bars.size(), 28u);
    EXPECT_FALSE(ring.countersReset);
    EXPECT_EQ(ring.bars[0].range, "2000 - 2500 (km)");
    EXPECT_DOUBLE_EQ(ring.bars[0].older, 40.0);
    EXPECT_DOUBLE_EQ(ring.bars[0].usage, 1.0);
    EXPECT_DOUBLE_EQ(ring.bars[25].usage, 1.0);
    EXPECT_DOUBLE_EQ(ring.bars[26].older, 0.0);
    EXPECT_DOUBLE_EQ(ring.bars[26].usage, 5.0);

    // Erased between the visits: the usage is what was counted since.
    FleetDataImage erased = blankImage();
    fillRing(erased, 2, [](uint32_t) { return 3u; });
    ring = diffImages(older, erased)[6];
    EXPECT_TRUE(ring.countersReset);
    EXPECT_DOUBLE_EQ(ring.bars[27].usage, 3.0);
}

TEST(LibraryDiff, TheIntervalRunningAtTheOlderVisitCountsOnlyWhatCameAfter) {
    // The older visit saw 3 ABS events in interval 30, still running; the newer one has it
    // completed with 5: 2 of them are usage, not 5.
    FleetDataImage older = blankImage();
    FleetDataImage newer = blankImage();
    fillRing(older, 30, [](uint32_t) { return 1u; });
    older.absEventsByDistance[hm::kCurrentCountEntry] = 3;
    fillRing(newer, 31, [](uint32_t i) { return i < 30 ? 1u : 5u; });
    const GraphDiff ring = diffImages(older, newer)[6];  // graph 7
    EXPECT_FALSE(ring.countersReset);
    EXPECT_EQ(ring.bars[27].range, "15000 - 15500 (km)");
    EXPECT_DOUBLE_EQ(ring.bars[27].older, 3.0);
    EXPECT_DOUBLE_EQ(ring.bars[27].usage, 2.0);
    EXPECT_DOUBLE_EQ(ring.bars[26].usage, 0.0);
}

TEST(LibraryDiff, NewRecordsAreThoseNotInTheOlderDownload) {
    EXPECT_EQ(hm::library::newRecordCount("", "a,b"), 2);
    EXPECT_EQ(hm::library::newRecordCount("a,b,c", "b,c,d,e"), 2);
    EXPECT_EQ(hm::library::newRecordCount("a,b", ""), 0);
}

}  // namespace
