#pragma once
// The fleet data image: the one in-memory record of all ECU data and, byte for byte, the content
// of a data file (2484 bytes). Fields are in host order in memory; data files hold them
// little-endian (see DataFile.h for the conversion).
#include <cstddef>
#include <cstdint>
#include <string>

#include "fleetdata/StabilityRecord.h"

namespace hm {

constexpr int32_t kImageSize = 2484;
constexpr char kSignature[] = "Haulm +";  // 7 characters and the terminator

// Entries of a 32-entry distance block.
constexpr int kRingEntries = 28;        // 0..27: ring of completed 500 km intervals
constexpr int kCurrentCountEntry = 28;  // count in the current interval
constexpr int kEntry29 = 29;            // km in current interval / interval count
constexpr int kTotalHighEntry = 30;
constexpr int kTotalLowEntry = 31;

struct FleetDataImage {
    char signature[8];
    char vehicleIdent[20];
    uint32_t brakeTimeByPressure[16];          // block 0, 0.01 s
    uint32_t brakeCountByPressure[16];         // block 1
    uint32_t pressureSumBySpeed[16];           // block 2, 0.05 bar
    uint32_t brakeCountBySpeed[16];            // block 3
    uint32_t brakeAppsByDistance[32];          // block 4
    uint32_t slpBrakeAppsByDistance[32];       // block 5
    uint32_t absEventsByDistance[32];          // block 6
    uint32_t rolloverEventsByDistance[32];     // block 7
    uint32_t distanceByLoad[16];               // block 8, km
    uint32_t distanceByReservoirPressure[16];  // block 9, km
    StabilityRecord stabilityRecords[kStabilitySlots];
    uint32_t stabilityRecordCount;
    uint16_t savedAt[8];  // year, month, day of week, day, hour, minute, second, ms
    int32_t blockSize;

    // Sets all 2484 bytes to zero.
    void clear();
    // False when every entry of the ten data blocks is zero (stability records not looked at).
    bool hasFleetData() const;

    uint32_t kmInCurrentInterval() const { return brakeAppsByDistance[kEntry29]; }
    uint32_t intervalCount() const { return slpBrakeAppsByDistance[kEntry29]; }
    // Ring entry shown at display position 0..27: (intervalCount + position) mod 28.
    int ringSlot(int position) const;
    // kmInCurrentInterval + intervalCount * 500, in 32-bit arithmetic.
    uint32_t totalDistanceKm() const;
    // (entry 30 * 65536) + entry 31 of a distance block, 32-bit arithmetic.
    static uint32_t lifetimeTotal(const uint32_t (&block)[32]);

    // The 16 or 32 words of ECU data block 0..9; nullptr for another number.
    uint32_t* block(int number);
    const uint32_t* block(int number) const;
    // 16 for blocks 0..3, 8, 9; 32 for the distance blocks 4..7; 0 otherwise.
    static int blockWords(int number);

    // The vehicle identification as a string (up to the first zero, at most 20 characters).
    std::string vehicleIdentString() const;
    // Stores an identification as the ECU sent it (at most 17 characters are kept): the text up
    // to its first zero byte, then zeros to the end of the field. An empty text (the answer
    // starts with a zero byte) is stored as "xxx", so no byte of the answer survives behind the
    // terminator and the field reads the same in the window, the file name and the file.
    void setVehicleIdent(const char* bytes, size_t count);
};

static_assert(sizeof(FleetDataImage) == kImageSize);
static_assert(offsetof(FleetDataImage, signature) == 0);
static_assert(offsetof(FleetDataImage, vehicleIdent) == 8);
static_assert(offsetof(FleetDataImage, brakeTimeByPressure) == 28);
static_assert(offsetof(FleetDataImage, brakeCountByPressure) == 92);
static_assert(offsetof(FleetDataImage, pressureSumBySpeed) == 156);
static_assert(offsetof(FleetDataImage, brakeCountBySpeed) == 220);
static_assert(offsetof(FleetDataImage, brakeAppsByDistance) == 284);
static_assert(offsetof(FleetDataImage, slpBrakeAppsByDistance) == 412);
static_assert(offsetof(FleetDataImage, absEventsByDistance) == 540);
static_assert(offsetof(FleetDataImage, rolloverEventsByDistance) == 668);
static_assert(offsetof(FleetDataImage, distanceByLoad) == 796);
static_assert(offsetof(FleetDataImage, distanceByReservoirPressure) == 860);
static_assert(offsetof(FleetDataImage, stabilityRecords) == 924);
static_assert(offsetof(FleetDataImage, stabilityRecordCount) == 2460);
static_assert(offsetof(FleetDataImage, savedAt) == 2464);
static_assert(offsetof(FleetDataImage, blockSize) == 2480);

// Distance-axis labels of the distance graphs: right end intervalCount*500 km, left end
// intervalCount*500 - 14000 km (may be negative; callers decide how to show that).
int64_t distanceAxisRightKm(uint32_t intervalCount);
int64_t distanceAxisLeftKm(uint32_t intervalCount);

// The eight summary totals (32-bit arithmetic): DISTANCE, RESV v DIST, LOAD v DIST,
// APPS v PRESS, APPS v SPEED, APPS v DIST, ABS v DIST, ROLL v DIST.
struct SummaryTotals {
    uint32_t distanceKm;
    uint32_t reservoirDistanceKm;
    uint32_t loadDistanceKm;
    uint32_t appsByPressure;
    uint32_t appsBySpeed;
    uint32_t appsByDistance;
    uint32_t absByDistance;
    uint32_t rollByDistance;
};
SummaryTotals summaryTotals(const FleetDataImage& image);

// The summary message: eight lines, each ended by a line feed.
std::string summaryText(const FleetDataImage& image);

}  // namespace hm
