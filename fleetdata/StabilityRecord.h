#pragma once
// One stability snapshot as it is kept in the fleet data image and in data files (48 bytes,
// little-endian multi-byte fields), plus its 16-byte wire form (the stability record payload).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace hm {

struct FleetDataImage;

struct StabilityRecord {
    int8_t stabilitySensorOutput;  // 0.01 g per count
    uint8_t vehicleSpeed;          // km/h
    uint8_t isoDemandPressure;     // 0.05 bar per count; 255 not connected, 254 error
    uint8_t controlLinePressure;   // 0.05 bar per count
    uint8_t voltage;               // 0.2 V per count; 0 in a payload means "empty slot"
    uint8_t padding1[3];
    uint32_t brakeApply;  // 0 off, 1 on
    uint32_t redLampSignal;
    uint32_t cabLampSignal;
    uint32_t serviceLampSignal;
    uint32_t stopLightPower;
    uint32_t flagBit6;  // status bit 6: stored, saved, written back, never shown
    uint8_t day;
    uint8_t month;  // 1..12; anything else means "no date"
    uint8_t padding2[2];
    uint32_t odometer;           // 0.01 km per count
    uint8_t reservoirPressure;   // 0.05 bar per count
    uint8_t suspensionPressure;  // 0.05 bar per count
    uint8_t padding3[2];
    uint32_t timeSinceStartup;  // seconds
};

static_assert(sizeof(StabilityRecord) == 48);
static_assert(offsetof(StabilityRecord, stabilitySensorOutput) == 0);
static_assert(offsetof(StabilityRecord, voltage) == 4);
static_assert(offsetof(StabilityRecord, brakeApply) == 8);
static_assert(offsetof(StabilityRecord, redLampSignal) == 12);
static_assert(offsetof(StabilityRecord, cabLampSignal) == 16);
static_assert(offsetof(StabilityRecord, serviceLampSignal) == 20);
static_assert(offsetof(StabilityRecord, stopLightPower) == 24);
static_assert(offsetof(StabilityRecord, flagBit6) == 28);
static_assert(offsetof(StabilityRecord, day) == 32);
static_assert(offsetof(StabilityRecord, month) == 33);
static_assert(offsetof(StabilityRecord, odometer) == 36);
static_assert(offsetof(StabilityRecord, reservoirPressure) == 40);
static_assert(offsetof(StabilityRecord, suspensionPressure) == 41);
static_assert(offsetof(StabilityRecord, timeSinceStartup) == 44);

constexpr int kStabilitySlots = 32;
constexpr size_t kStabilityPayloadSize = 16;
using StabilityPayload = std::array<uint8_t, kStabilityPayloadSize>;

// The record operations work on the record array and count of one fleet data image. They are
// plain functions on data the caller owns; the caller keeps them off the image while another
// thread writes it (the download runs on the receive thread, readers on the window thread).

// Appends the record of one stability record reply: when payload byte 4 (voltage) is 0 nothing
// is stored; otherwise slot `stabilityRecordCount` receives the fields and the count increases
// by one. Padding bytes of the slot are not touched. A count of 32 or more (only possible after
// loading a damaged file) stores nothing, so no write ever lands outside the array.
void StoreStabilityPayload(FleetDataImage& image, const StabilityPayload& payload);

// The 16-byte wire form of slot `index` (0..31); an index outside 0..31 gives 16 zero bytes.
StabilityPayload EncodeStabilityPayload(const FleetDataImage& image, int index);

// Orders the valid records (slots 0..min(count, 32) - 1) ascending by the key
// odometer * 16 + month * 4 + day (unsigned 32-bit, wrapping); equal keys keep their order.
void SortStabilityRecords(FleetDataImage& image);
uint32_t stabilitySortKey(const StabilityRecord& record);

// The five-line record summary text of slot `index` (0..31), used as the tooltip of the
// stability dialog's buttons. An index outside 0..31 gives an empty string.
std::string FormatRecordSummary(const FleetDataImage& image, int index);
std::string FormatRecordSummary(const StabilityRecord& record);

// Display values of the record fields (summary text and printed stability page). The scale
// factors are single-precision constants; the product is returned as a double, as it is passed
// to the printf-style formats.
double sensorOutputG(const StabilityRecord& record);  // signed count * 0.01
double pressureBar(uint8_t count);                    // count * 0.05 (the four pressures)
double voltageV(const StabilityRecord& record);       // count * 0.2
uint32_t odometerKm(const StabilityRecord& record);   // count / 100, remainder dropped

struct TimeParts {
    int64_t hours;
    int64_t minutes;
    int64_t seconds;
};
// timeSinceStartup as an unsigned count of seconds (the summary text).
TimeParts timeSinceStartupParts(const StabilityRecord& record);
// timeSinceStartup taken as a signed 32-bit value with divisions truncating toward zero (the
// printed page). Equal to timeSinceStartupParts for every value up to 2^31 - 1.
TimeParts timeSinceStartupPartsSigned(const StabilityRecord& record);

// A vehicle speed with its unit in the installed language: "62 kph" in English.
std::string speedText(int kph);
// "ON" for a non-zero flag, "OFF" for zero.
std::string_view onOff(uint32_t flag);
// "Jan".."Dec" for month 1..12; empty for any other value (no date).
std::string_view monthAbbreviation(uint8_t month);

}  // namespace hm
