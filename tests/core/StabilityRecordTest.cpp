#include <gtest/gtest.h>

#include <cstring>

#include "fleetdata/FleetDataImage.h"
#include "fleetdata/StabilityRecord.h"
#include "support/SampleData.h"

using hm::FleetDataImage;
using hm::StabilityPayload;
using hm::StabilityRecord;

namespace {

FleetDataImage cleared() {
    FleetDataImage image;
    image.clear();
    return image;
}

StabilityPayload payloadWithVoltage(uint8_t voltage) {
    StabilityPayload p{};
    p[4] = voltage;
    return p;
}

StabilityRecord recordAt(uint32_t odometer, uint8_t day, uint8_t month, int8_t tag) {
    StabilityRecord r{};
    r.odometer = odometer;
    r.day = day;
    r.month = month;
    r.stabilitySensorOutput = tag;  // identifies the record after sorting
    return r;
}

}  // namespace

TEST(StabilityRecord, StoreDropsEmptySlotsAndFillsWithoutGaps) {
    FleetDataImage image = cleared();
    StabilityPayload empty{};
    std::memset(empty.data(), 0xAB, empty.size());
    empty[4] = 0;  // voltage 0: the ECU slot is empty, whatever the other bytes hold
    for (int i = 0; i < 32; ++i) {
        hm::StoreStabilityPayload(image, empty);
    }
    EXPECT_EQ(image.stabilityRecordCount, 0u);
    EXPECT_EQ(image.stabilityRecords[0].stabilitySensorOutput, 0);

    // Replies 1, 3 and 4 non-empty: slots 0, 1, 2.
    const uint8_t voltages[] = {10, 0, 30, 40};
    for (uint8_t v : voltages) {
        hm::StoreStabilityPayload(image, payloadWithVoltage(v));
    }
    EXPECT_EQ(image.stabilityRecordCount, 3u);
    EXPECT_EQ(image.stabilityRecords[0].voltage, 10);
    EXPECT_EQ(image.stabilityRecords[1].voltage, 30);
    EXPECT_EQ(image.stabilityRecords[2].voltage, 40);
    EXPECT_EQ(image.stabilityRecords[3].voltage, 0);
}

TEST(StabilityRecord, StoreNeverWritesPastTheArray) {
    FleetDataImage image = cleared();
    image.stabilityRecordCount = 32;
    const FleetDataImage before = image;
    hm::StoreStabilityPayload(image, payloadWithVoltage(5));
    EXPECT_EQ(std::memcmp(&image, &before, sizeof(image)), 0);
    image.stabilityRecordCount = 0xFFFFFFFFu;  // a damaged loaded file
    hm::StoreStabilityPayload(image, payloadWithVoltage(5));
    EXPECT_EQ(image.stabilityRecordCount, 0xFFFFFFFFu);
}

TEST(StabilityRecord, StoreDecodesEveryField) {
    FleetDataImage image = cleared();
    image.stabilityRecords[0].padding1[0] = 0x5A;  // padding is left alone
    const StabilityPayload p = {0xD3, 62,   255,  40,   120, 0xFD, 5,    3,
                                0x01, 0x00, 0x00, 0x00, 100, 90,   0xFF, 0xFF};
    hm::StoreStabilityPayload(image, p);
    const StabilityRecord& r = image.stabilityRecords[0];
    EXPECT_EQ(r.stabilitySensorOutput, -45);
    EXPECT_EQ(r.vehicleSpeed, 62);
    EXPECT_EQ(r.isoDemandPressure, 255);
    EXPECT_EQ(r.controlLinePressure, 40);
    EXPECT_EQ(r.voltage, 120);
    // 0xFD = 1111 1101: every flag on, bit 1 clear.
    EXPECT_EQ(r.brakeApply, 1u);
    EXPECT_EQ(r.redLampSignal, 1u);
    EXPECT_EQ(r.cabLampSignal, 1u);
    EXPECT_EQ(r.serviceLampSignal, 1u);
    EXPECT_EQ(r.flagBit6, 1u);
    EXPECT_EQ(r.stopLightPower, 1u);
    EXPECT_EQ(r.day, 5);
    EXPECT_EQ(r.month, 3);
    EXPECT_EQ(r.odometer, 16777216u);
    EXPECT_EQ(hm::odometerKm(r), 167772u);
    EXPECT_EQ(r.reservoirPressure, 100);
    EXPECT_EQ(r.suspensionPressure, 90);
    EXPECT_EQ(r.timeSinceStartup, 65535u);
    EXPECT_EQ(r.padding1[0], 0x5A);
}

TEST(StabilityRecord, RedLampNeedsBothStatusBits) {
    for (uint8_t status : {uint8_t{0x04}, uint8_t{0x08}, uint8_t{0x0C}}) {
        FleetDataImage image = cleared();
        StabilityPayload p = payloadWithVoltage(1);
        p[5] = status;
        hm::StoreStabilityPayload(image, p);
        EXPECT_EQ(image.stabilityRecords[0].redLampSignal, status == 0x0C ? 1u : 0u) << int{status};
    }
}

TEST(StabilityRecord, EncodeIsTheInverseOfStoreAndClearsNonOneFlags) {
    FleetDataImage image = cleared();
    const StabilityPayload p = {
        0x80, 1, 2, 3, 4, 0x0C | 0x01 | 0x80, 31, 12, 0x12, 0x34, 0x56, 0x78, 200, 201, 0xAB, 0xCD};
    hm::StoreStabilityPayload(image, p);
    EXPECT_EQ(hm::EncodeStabilityPayload(image, 0), p);

    StabilityRecord& r = image.stabilityRecords[1];
    r.redLampSignal = 1;
    EXPECT_EQ(hm::EncodeStabilityPayload(image, 1)[5], 0x0C);
    r.redLampSignal = 2;  // only exactly 1 sets a bit
    r.cabLampSignal = 0x100;
    r.timeSinceStartup = 0x12345;  // higher bits dropped
    r.odometer = 0xA1B2C3D4u;
    const StabilityPayload e = hm::EncodeStabilityPayload(image, 1);
    EXPECT_EQ(e[5], 0);
    EXPECT_EQ(e[14], 0x23);
    EXPECT_EQ(e[15], 0x45);
    EXPECT_EQ(e[8], 0xA1);
    EXPECT_EQ(e[11], 0xD4);

    // A zeroed slot (the erase) encodes as 16 zero bytes, as does an index out of range.
    EXPECT_EQ(hm::EncodeStabilityPayload(image, 31), StabilityPayload{});
    EXPECT_EQ(hm::EncodeStabilityPayload(image, 32), StabilityPayload{});
    EXPECT_EQ(hm::EncodeStabilityPayload(image, -1), StabilityPayload{});
}

TEST(StabilityRecord, SortUsesTheCombinedKeyAndIsStable) {
    FleetDataImage image = cleared();
    // Key 100*16 + 12*4 + 31 = 1679 sorts after 104*16 + 1*4 + 1 = 1669.
    image.stabilityRecords[0] = recordAt(100, 31, 12, 1);
    image.stabilityRecords[1] = recordAt(104, 1, 1, 2);
    image.stabilityRecords[2] = recordAt(50, 1, 1, 3);
    image.stabilityRecords[3] = recordAt(104, 1, 1, 4);  // same key as record 2
    image.stabilityRecords[4] = recordAt(1, 1, 1, 5);    // beyond the count: not moved
    image.stabilityRecordCount = 4;
    hm::SortStabilityRecords(image);
    EXPECT_EQ(image.stabilityRecords[0].stabilitySensorOutput, 3);
    EXPECT_EQ(image.stabilityRecords[1].stabilitySensorOutput, 2);
    EXPECT_EQ(image.stabilityRecords[2].stabilitySensorOutput, 4);
    EXPECT_EQ(image.stabilityRecords[3].stabilitySensorOutput, 1);
    EXPECT_EQ(image.stabilityRecords[4].stabilitySensorOutput, 5);
    EXPECT_EQ(hm::stabilitySortKey(recordAt(0x10000000u, 0, 0, 0)), 0u);  // wraps
}

TEST(StabilityRecord, SortWithFewRecordsOrAHugeCountIsSafe) {
    FleetDataImage image = cleared();
    image.stabilityRecords[0] = recordAt(9, 1, 1, 1);
    image.stabilityRecords[1] = recordAt(1, 1, 1, 2);
    image.stabilityRecordCount = 1;
    hm::SortStabilityRecords(image);
    EXPECT_EQ(image.stabilityRecords[0].stabilitySensorOutput, 1);
    image.stabilityRecordCount = 0;
    hm::SortStabilityRecords(image);
    EXPECT_EQ(image.stabilityRecords[0].stabilitySensorOutput, 1);
    // A loaded file may carry any count; only the 32 slots are sorted.
    for (int i = 0; i < 32; ++i) {
        image.stabilityRecords[i] =
            recordAt(static_cast<uint32_t>(32 - i), 0, 0, static_cast<int8_t>(i));
    }
    image.stabilityRecordCount = 1000;
    hm::SortStabilityRecords(image);
    EXPECT_EQ(image.stabilityRecords[0].stabilitySensorOutput, 31);
    EXPECT_EQ(image.stabilityRecords[31].stabilitySensorOutput, 0);
    EXPECT_EQ(image.stabilityRecordCount, 1000u);
}

TEST(StabilityRecord, SummaryText) {
    FleetDataImage image = cleared();
    StabilityRecord& r = image.stabilityRecords[2];
    r = hmtest::sampleRecord();
    r.stabilitySensorOutput = -45;
    r.odometer = 12345678;
    EXPECT_EQ(hm::FormatRecordSummary(image, 2),
              "Stability Sensor Output: -0.45g\n"
              "Vehicle Speed: 62 kph\n"
              "Odometer: 123456 km\n"
              "Time Since Startup (HH:MM:SS): 01:02:05\n"
              "Date: 5 Mar");

    r.stabilitySensorOutput = -128;
    r.timeSinceStartup = 65535;
    r.month = 13;
    EXPECT_EQ(hm::FormatRecordSummary(image, 2),
              "Stability Sensor Output: -1.28g\n"
              "Vehicle Speed: 62 kph\n"
              "Odometer: 123456 km\n"
              "Time Since Startup (HH:MM:SS): 18:12:15\n"
              "Date : No Data");
    r.month = 0;
    EXPECT_TRUE(hm::FormatRecordSummary(image, 2).ends_with("Date : No Data"));
    EXPECT_EQ(hm::FormatRecordSummary(image, 32), "");
}

TEST(StabilityRecord, DisplayValues) {
    StabilityRecord r{};
    r.stabilitySensorOutput = -35;
    r.voltage = 255;
    EXPECT_NEAR(hm::sensorOutputG(r), -0.35, 1e-6);
    EXPECT_NEAR(hm::voltageV(r), 51.0, 1e-5);
    EXPECT_NEAR(hm::pressureBar(40), 2.0, 1e-6);
    EXPECT_NEAR(hm::pressureBar(255), 12.75, 1e-5);
    EXPECT_EQ(hm::onOff(0), "OFF");
    EXPECT_EQ(hm::onOff(7), "ON");
    EXPECT_EQ(hm::monthAbbreviation(1), "Jan");
    EXPECT_EQ(hm::monthAbbreviation(12), "Dec");
    EXPECT_EQ(hm::monthAbbreviation(0), "");
    EXPECT_EQ(hm::monthAbbreviation(13), "");

    r.timeSinceStartup = 3725;
    const hm::TimeParts u = hm::timeSinceStartupParts(r);
    const hm::TimeParts s = hm::timeSinceStartupPartsSigned(r);
    EXPECT_EQ(u.hours * 10000 + u.minutes * 100 + u.seconds, 10205);
    EXPECT_EQ(s.hours * 10000 + s.minutes * 100 + s.seconds, 10205);
    // Above 2^31 - 1 the page's signed reading differs from the summary's unsigned one.
    r.timeSinceStartup = 0xFFFFFFFFu;  // -1 s
    const hm::TimeParts neg = hm::timeSinceStartupPartsSigned(r);
    EXPECT_EQ(neg.hours, 0);
    EXPECT_EQ(neg.minutes, 0);
    EXPECT_EQ(neg.seconds, -1);
    EXPECT_EQ(hm::timeSinceStartupParts(r).hours, 1193046);
}
