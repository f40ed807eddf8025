#include <gtest/gtest.h>

#include "fleetdata/FleetDataImage.h"
#include "resources/Strings.h"

using hm::FleetDataImage;

namespace {

FleetDataImage cleared() {
    FleetDataImage image;
    image.clear();
    return image;
}

}  // namespace

TEST(FleetDataImage, RingSlotRotatesByIntervalCount) {
    FleetDataImage image = cleared();
    EXPECT_EQ(image.ringSlot(0), 0);
    image.slpBrakeAppsByDistance[29] = 30;
    EXPECT_EQ(image.ringSlot(0), 2);
    EXPECT_EQ(image.ringSlot(27), 1);
}

TEST(FleetDataImage, HasFleetDataLooksAtEveryBlockEntryButNotTheRecords) {
    FleetDataImage image = cleared();
    EXPECT_FALSE(image.hasFleetData());
    image.stabilityRecordCount = 3;
    image.stabilityRecords[0].voltage = 120;
    EXPECT_FALSE(image.hasFleetData());
    image.brakeAppsByDistance[29] = 1;  // only kmInCurrentInterval
    EXPECT_TRUE(image.hasFleetData());
    image = cleared();
    image.distanceByReservoirPressure[15] = 7;
    EXPECT_TRUE(image.hasFleetData());
}

TEST(FleetDataImage, TotalsUse32BitArithmetic) {
    FleetDataImage image = cleared();
    image.absEventsByDistance[30] = 1;
    image.absEventsByDistance[31] = 5;
    EXPECT_EQ(FleetDataImage::lifetimeTotal(image.absEventsByDistance), 65541u);
    image.brakeAppsByDistance[29] = 120;
    image.slpBrakeAppsByDistance[29] = 3;
    EXPECT_EQ(image.totalDistanceKm(), 1620u);
    image.distanceByLoad[0] = 0xFFFFFFFFu;
    image.distanceByLoad[1] = 2;
    EXPECT_EQ(hm::summaryTotals(image).loadDistanceKm, 1u);  // wraps like the ECU's counters
    EXPECT_EQ(hm::distanceAxisLeftKm(27), -500);
    EXPECT_EQ(hm::distanceAxisRightKm(30), 15000);
}

TEST(StringTable, KnownAndUnknownIds) {
    EXPECT_EQ(hm::str(229), " Haulmetry");
    EXPECT_EQ(hm::str(320), " [ ***  File Error  *** ]");
    EXPECT_EQ(hm::str(1138), "Dec");
    EXPECT_TRUE(hm::str(9999).empty());
}
