#pragma once
// What the virtual ECU holds: the vehicle identification, the ten fleet data blocks in their
// wire form (64 bytes each, most significant byte first) and 32 stability record slots in
// their 16-byte wire form. A slot whose voltage byte (payload byte 4) is 0 is empty; empty
// slots may lie between full ones, as in a real ECU.
//
// Conversions to and from the fleet data image are written here independently of the tool's
// own decoding, so that tests comparing a download with the ECU's data check one against the
// other.
#include <array>
#include <cstdint>
#include <string>

#include "fleetdata/FleetDataImage.h"
#include "fleetdata/StabilityRecord.h"

namespace hm::ecusim {

constexpr int kBlockCount = 10;
constexpr size_t kBlockBytes = 64;
constexpr size_t kIdentLength = 17;

struct EcuMemory {
    std::string ident;  // up to 17 characters; sent zero-padded
    std::array<std::array<uint8_t, kBlockBytes>, kBlockCount> blocks{};
    std::array<StabilityPayload, kStabilitySlots> slots{};

    bool operator==(const EcuMemory&) const = default;
};

// The record's 16-byte wire form, and back. Status bits: 0 brakeApply, 2+3 redLampSignal,
// 4 cabLampSignal, 5 serviceLampSignal, 6 flagBit6, 7 stopLightPower.
StabilityPayload encodeRecord(const StabilityRecord& record);
StabilityRecord decodePayload(const StabilityPayload& payload);

// The ECU holding `image`: identification (first 17 characters), the ten blocks (distance
// words truncated to their 16 wire bits), records 0..count-1 (at most 32) in slots 0.. .
EcuMemory memoryFromImage(const FleetDataImage& image);

// The ECU holding the vehicle of a data file. False with `error` set when the file cannot be
// read or is not a valid data file; `memory` is then unchanged.
bool loadVehicleFile(const std::string& path, EcuMemory& memory, std::string& error);

// The image a download of `memory` gives before the tool sorts the records: identification
// ("xxx" when empty), decoded blocks, the non-empty slots in slot order and their count.
// signature, savedAt and blockSize are zero.
FleetDataImage imageFromMemory(const EcuMemory& memory);

// Built-in demo data of a plausible trailer: all ten graphs non-trivial, intervalCount 143 (the
// distance ring has wrapped), 11 records spread over the 32 slots with empty slots between,
// one of them without a valid month. The records are already in the order the tool sorts
// them into, so a download of the demo ECU equals makeDemoVehicle() exactly.
EcuMemory makeDemoMemory();
FleetDataImage makeDemoVehicle();

}  // namespace hm::ecusim
