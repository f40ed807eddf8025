#pragma once
// One stability snapshot as it is kept in the fleet data image and in data files (48 bytes,
// little-endian multi-byte fields), plus its 16-byte wire form (the stability record payload).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace hm {

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

}  // namespace hm
