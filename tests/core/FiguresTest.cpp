// The figures of a download and their change between two visits, against values worked out by
// hand for crafted images.
#include <gtest/gtest.h>

#include <cstring>

#include "figures/FigureChange.h"
#include "figures/Figures.h"
#include "support/FigureImages.h"
#include "support/SampleData.h"

using hm::FleetDataImage;
using hm::figures::computeFigures;
using hm::figures::FigureId;
using hm::figures::Figures;

namespace {

// A trailer with a value in every block, including bins just inside and outside each
// threshold and ring entries the ring no longer holds.
FleetDataImage craftedImage() {
    FleetDataImage image = hmtest::emptyImage();
    hmtest::setDistance(image, 3, 123);  // 3 * 500 + 123 = 1623 km
    for (int i = 0; i < 16; ++i) {
        image.brakeCountByPressure[i] = static_cast<uint32_t>(i + 1);  // 1..16: sum 136
    }
    image.brakeTimeByPressure[0] = 12345;                        // 123.45 s
    image.brakeTimeByPressure[15] = 5;                           // + 0.05 s
    image.distanceByLoad[9] = 1000;                              // 90-100 %: not overloaded
    image.distanceByLoad[10] = 30;                               // 100-110 %
    image.distanceByLoad[15] = 10;                               // 150 % and above
    image.distanceByReservoirPressure[0] = 3;                    // 3.0-3.5 bar
    image.distanceByReservoirPressure[6] = 7;                    // 6.0-6.5 bar: below 6.5
    image.distanceByReservoirPressure[7] = 100;                  // 6.5-7.0 bar: not low
    hmtest::setLifetimeTotal(image.brakeAppsByDistance, 65541);  // entries 1 and 5
    hmtest::setLifetimeTotal(image.absEventsByDistance, 9);
    hmtest::setLifetimeTotal(image.rolloverEventsByDistance, 2);
    // Intervals 0..2 are held in slots 0..2; slot 5 is left over from nothing and not counted.
    const uint32_t slp[] = {1, 2, 3};
    const uint32_t apps[] = {10, 20, 30};
    for (int i = 0; i < 3; ++i) {
        image.slpBrakeAppsByDistance[i] = slp[i];
        image.brakeAppsByDistance[i] = apps[i];
    }
    image.slpBrakeAppsByDistance[5] = 100;
    image.brakeAppsByDistance[5] = 999;
    image.slpBrakeAppsByDistance[hm::kCurrentCountEntry] = 4;
    image.brakeAppsByDistance[hm::kCurrentCountEntry] = 5;
    image.stabilityRecordCount = 40;  // more than the 32 slots: all 32 are valid
    return image;
}

struct Expected {
    FigureId id;
    uint64_t crafted;
    uint64_t saturated;  // every counter at 2^32 - 1
};

constexpr uint64_t kMax = UINT32_MAX;
const Expected kExpected[] = {
    {FigureId::DistanceKm, 1623, kMax * 501},
    {FigureId::BrakeApplications, 136, 16 * kMax},
    {FigureId::BrakeTime, 12350, 16 * kMax},
    {FigureId::AbsEvents, 9, kMax * 65537},
    {FigureId::RolloverEvents, 2, kMax * 65537},
    {FigureId::BrakeAppsByDistance, 65541, kMax * 65537},
    {FigureId::SlpBrakeApps, 10, 29 * kMax},
    {FigureId::LoadKm, 1040, 16 * kMax},
    {FigureId::ReservoirKm, 110, 16 * kMax},
    {FigureId::OverloadKm, 40, 6 * kMax},
    {FigureId::LowReservoirKm, 10, 7 * kMax},
    {FigureId::HardBrakingApplications, 13 + 14 + 15 + 16, 4 * kMax},
    {FigureId::StabilityRecords, 32, 32},
    {FigureId::RecentKm, 1623, 28 * 500 + kMax},
    {FigureId::RecentBrakeApps, 65, 29 * kMax},
};

}  // namespace

TEST(Figures, EveryFigureOfCraftedAndSaturatedImages) {
    ASSERT_EQ(std::size(kExpected), static_cast<size_t>(hm::figures::kFigureCount));
    const Figures crafted = computeFigures(craftedImage());
    const Figures saturated = computeFigures(hmtest::saturatedImage());
    const Figures empty = computeFigures(hmtest::emptyImage());
    for (const Expected& e : kExpected) {
        const char* key = hm::figures::figureInfo(e.id).key;
        EXPECT_EQ(crafted.value(e.id), e.crafted) << key;
        EXPECT_EQ(saturated.value(e.id), e.saturated) << key;
        EXPECT_EQ(empty.value(e.id), 0U) << key;
    }
}

TEST(Figures, TableKeysAreUniqueAndFindTheirFigure) {
    const auto table = hm::figures::figureTable();
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(static_cast<size_t>(table[i].id), i);
        EXPECT_EQ(hm::figures::figureByKey(table[i].key), table[i].id);
        Figures f;
        f.setValue(table[i].id, 1000 + i);
        EXPECT_EQ(f.value(table[i].id), 1000 + i) << table[i].key;
    }
    EXPECT_FALSE(hm::figures::figureByKey("distance"));
    EXPECT_FALSE(hm::figures::figureByKey(""));
}

TEST(Figures, WrittenExactlyAsData) {
    using hm::figures::formatFigure;
    EXPECT_EQ(formatFigure(FigureId::AbsEvents, kMax), "4294967295");
    EXPECT_EQ(formatFigure(FigureId::BrakeTime, kMax), "42949672.95");
    EXPECT_EQ(formatFigure(FigureId::BrakeTime, 12350), "123.50");
    EXPECT_EQ(formatFigure(FigureId::BrakeTime, 7), "0.07");
    EXPECT_EQ(formatFigure(FigureId::BrakeTime, 0), "0.00");
    EXPECT_EQ(formatFigure(FigureId::DistanceKm, UINT64_MAX), "18446744073709551615");
}

// ---------------------------------------------------------------------------------------------
// The change between two visits.

namespace {

using hm::figures::changeBetween;
using hm::figures::distanceBlockChange;

FleetDataImage visit(uint32_t intervals, uint32_t km, uint64_t absTotal, uint32_t absCurrent) {
    FleetDataImage image = hmtest::emptyImage();
    hmtest::setDistance(image, intervals, km);
    hmtest::setLifetimeTotal(image.absEventsByDistance, absTotal);
    image.absEventsByDistance[hm::kCurrentCountEntry] = absCurrent;
    return image;
}

}  // namespace

TEST(FigureChange, UsageIncludesTheUnfinishedInterval) {
    // Nine ABS events since the last visit, all in the current interval of the newer download:
    // no completed interval shows them, the lifetime total does.
    FleetDataImage older = visit(3, 100, 10, 2);
    FleetDataImage newer = visit(3, 450, 19, 11);
    older.slpBrakeAppsByDistance[hm::kCurrentCountEntry] = 2;
    newer.slpBrakeAppsByDistance[hm::kCurrentCountEntry] = 3;
    const auto change = changeBetween(older, newer);
    EXPECT_FALSE(change.anyReset);
    EXPECT_EQ(change.usage(FigureId::AbsEvents), 9U);
    EXPECT_EQ(change.usage(FigureId::DistanceKm), 350U);
    EXPECT_EQ(change.usage(FigureId::SlpBrakeApps), 1U);
    EXPECT_FALSE(change.of(FigureId::RecentKm).known);
    const auto abs = distanceBlockChange(older, newer, 6);
    ASSERT_EQ(abs.intervals.size(), 1U);
    EXPECT_TRUE(abs.intervals[0].current);
    EXPECT_EQ(abs.intervals[0].usage, 9U);
}

TEST(FigureChange, DistanceRingMatchedByInterval) {
    // Older: 3 intervals done, 2 SLP applications in interval 3 so far. Newer: interval 3 ended
    // with 5 (slot 3), interval 4 is running with 1, and the ring has wrapped past slot 0.
    FleetDataImage older = visit(3, 200, 0, 0);
    older.slpBrakeAppsByDistance[hm::kCurrentCountEntry] = 2;
    older.slpBrakeAppsByDistance[0] = 7;
    FleetDataImage newer = visit(4, 10, 0, 0);
    newer.slpBrakeAppsByDistance[0] = 7;
    newer.slpBrakeAppsByDistance[3] = 5;
    newer.slpBrakeAppsByDistance[hm::kCurrentCountEntry] = 1;
    const auto slp = distanceBlockChange(older, newer, 5);
    EXPECT_FALSE(slp.reset);
    EXPECT_EQ(slp.missingIntervals, 0U);
    ASSERT_EQ(slp.intervals.size(), 2U);
    EXPECT_EQ(slp.intervals[0].interval, 3U);
    EXPECT_EQ(slp.intervals[0].usage, 3U);
    EXPECT_EQ(slp.intervals[1].interval, 4U);
    EXPECT_EQ(slp.usage, 4U);
    EXPECT_EQ(changeBetween(older, newer).usage(FigureId::SlpBrakeApps), 4U);
}

TEST(FigureChange, IntervalsNoDownloadHoldsAreMissingNotZero) {
    // 37 intervals later the newer ring holds intervals 12..39 and the current 40: intervals
    // 3..11 were driven between the visits and are gone.
    FleetDataImage older = visit(3, 0, 0, 0);
    FleetDataImage newer = visit(40, 0, 0, 0);
    for (int slot = 0; slot < hm::kRingEntries; ++slot) {
        newer.slpBrakeAppsByDistance[slot] = 1;
    }
    newer.slpBrakeAppsByDistance[hm::kCurrentCountEntry] = 2;
    const auto slp = distanceBlockChange(older, newer, 5);
    EXPECT_FALSE(slp.reset);
    EXPECT_EQ(slp.missingIntervals, 9U);
    ASSERT_EQ(slp.intervals.size(), 29U);
    EXPECT_EQ(slp.intervals.front().interval, 12U);
    EXPECT_EQ(slp.usage, 30U);
    const auto change = changeBetween(older, newer);
    EXPECT_EQ(change.of(FigureId::SlpBrakeApps).missingIntervals, 9U);
    EXPECT_EQ(change.usage(FigureId::DistanceKm), 37U * 500);
}

TEST(FigureChange, ErasedEcuIsAResetAndTheNewerValueIsTheUsage) {
    FleetDataImage older = visit(160, 0, 50, 0);  // 80000 km
    older.brakeCountByPressure[3] = 100;
    older.brakeCountByPressure[0] = 10;
    older.distanceByLoad[2] = 80000;
    FleetDataImage newer = visit(0, 200, 3, 3);
    newer.brakeCountByPressure[0] = 5;  // bin 0 went down although the sum went up
    newer.brakeCountByPressure[1] = 500;
    newer.distanceByLoad[2] = 90000;  // graph 9 was not erased
    const auto change = changeBetween(older, newer);
    EXPECT_TRUE(change.anyReset);
    const auto& distance = change.of(FigureId::DistanceKm);
    EXPECT_TRUE(distance.reset);
    EXPECT_EQ(distance.usage, 200U);  // never -79800
    EXPECT_TRUE(change.of(FigureId::AbsEvents).reset);
    EXPECT_EQ(change.usage(FigureId::AbsEvents), 3U);
    EXPECT_TRUE(change.of(FigureId::BrakeApplications).reset);
    EXPECT_EQ(change.usage(FigureId::BrakeApplications), 505U);
    EXPECT_FALSE(change.of(FigureId::LoadKm).reset);
    EXPECT_EQ(change.usage(FigureId::LoadKm), 10000U);
    const auto slp = distanceBlockChange(older, newer, 5);
    EXPECT_TRUE(slp.reset);
    ASSERT_EQ(slp.intervals.size(), 1U);  // interval 0, current
}

TEST(FigureChange, SameDownloadTwiceAndSaturatedCounters) {
    for (const FleetDataImage& image : {craftedImage(), hmtest::saturatedImage()}) {
        const auto change = changeBetween(image, image);
        EXPECT_FALSE(change.anyReset);
        for (const auto& figure : change.figures) {
            EXPECT_EQ(figure.usage, 0U) << hm::figures::figureInfo(figure.id).key;
        }
    }
    // From empty to saturated: the whole counters, exact.
    const auto all = changeBetween(hmtest::emptyImage(), hmtest::saturatedImage());
    EXPECT_EQ(all.usage(FigureId::AbsEvents), kMax * 65537);
    EXPECT_EQ(all.usage(FigureId::BrakeApplications), 16 * kMax);
}

TEST(FigureChange, NewStabilityRecordsAreThoseTheOlderDidNotHold) {
    FleetDataImage older = hmtest::emptyImage();
    FleetDataImage newer = hmtest::emptyImage();
    hm::StabilityRecord a = hmtest::sampleRecord();
    hm::StabilityRecord b = a;
    hm::StabilityRecord c = a;
    std::memset(&b, 0x11, 4);
    std::memset(&c, 0x22, 4);
    older.stabilityRecords[0] = a;
    older.stabilityRecords[1] = b;
    older.stabilityRecordCount = 2;
    newer.stabilityRecords[0] = b;
    newer.stabilityRecords[1] = c;
    newer.stabilityRecordCount = 2;
    const auto change = changeBetween(older, newer);
    EXPECT_EQ(change.usage(FigureId::StabilityRecords), 1U);
    EXPECT_FALSE(change.of(FigureId::StabilityRecords).reset);
    newer.stabilityRecordCount = 0;  // records erased
    EXPECT_TRUE(changeBetween(older, newer).of(FigureId::StabilityRecords).reset);
}
