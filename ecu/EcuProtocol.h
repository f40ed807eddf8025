#pragma once
// The frames of the ECU conversation: the request set and its ring order, the request frame
// templates, the additive checksum, frame validation and the ECU type classification. Plain
// functions on caller data; any thread.
//
// Frame layout, both directions: byte 0 is the length L (bytes before the checksum, the length
// byte included, so L >= 2), byte 1 the service (request), service + 0x40 (positive response)
// or 0x7F (negative response), bytes 2..L-1 parameters and data, byte L the sum of bytes 0..L-1
// modulo 256. Multi-byte values travel most significant byte first.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace hm::ecu {

// The requests sent through the ring, in ring order: when several are pending the poll step
// sends the first one found stepping from its cursor.
enum class Request : int {
    RequestSeed = 0,      // 03 27 05
    SendKey,              // 05 27 06 KH KL
    StartSession,         // 03 10 84
    StopSession,          // 02 20
    ReadFleetBlock,       // 04 21 24 bb
    EraseFleetBlock,      // 04 31 0E bb
    ReadEcuType,          // 03 21 64
    ReadVehicleIdent,     // 03 1A 90
    ReadStabilityRecord,  // 04 21 39 rr
    WriteStabilityRecord  // 14 3B 39 rr p0..p15
};
constexpr int kRingSize = 10;

// The link probe, written directly by the connection state machine (never through the ring).
constexpr std::array<uint8_t, 3> kLinkProbe{0x02, 0x90, 0x92};

// Longest frame the tool sends (WriteStabilityRecord: 0x14 + 1 bytes).
constexpr size_t kMaxRequestFrame = 0x15;

// Response numbers.
namespace rsp {
constexpr uint8_t kLinkProbe = 0xD0;
constexpr uint8_t kSecurityAccess = 0x67;
constexpr uint8_t kStartSession = 0x50;
constexpr uint8_t kStopSession = 0x60;
constexpr uint8_t kReadByLocalId = 0x61;
constexpr uint8_t kRoutine = 0x71;
constexpr uint8_t kReadIdent = 0x5A;
constexpr uint8_t kWriteByLocalId = 0x7B;
constexpr uint8_t kNegative = 0x7F;
}  // namespace rsp

// Local identifiers and sub-functions in byte 2.
namespace lid {
constexpr uint8_t kSeed = 0x05;
constexpr uint8_t kKey = 0x06;
constexpr uint8_t kSession = 0x84;
constexpr uint8_t kFleetBlock = 0x24;
constexpr uint8_t kEcuType = 0x64;
constexpr uint8_t kVehicleIdent = 0x90;
constexpr uint8_t kStabilityRecord = 0x39;
constexpr uint8_t kEraseBlock = 0x0E;
}  // namespace lid

// Sum of `count` bytes modulo 256.
uint8_t FrameChecksum(const uint8_t* bytes, size_t count);

// The request frame with its constant bytes set, variable bytes 0 and no checksum yet; its size
// is L + 1.
std::vector<uint8_t> RequestTemplate(Request request);

// True when `frame` is a complete frame: at least 3 bytes, byte 0 + 1 equals `length` and the
// last byte is the checksum of the others.
bool FrameIsWellFormed(const uint8_t* frame, size_t length);

// What an ECU supports; the number is the "support level" shown to the user.
enum class SupportLevel { None = 0, FleetAndRecords = 1, RecordsOnly = 2 };

// Support level of a four-character ECU type: 1 fleet data and stability records, 2 stability
// records only, 0 not supported. n = 100 * (c2 & 15) + 10 * (c3 & 15) + (c4 & 15); "B", "C" or
// "D" first: n >= 337 gives 1, 321..336 gives 2; "X" first: n >= 299 gives 1; anything else 0.
// Characters 2 to 4 count by their low four bits alone, whatever they are (control bytes too);
// fewer than four characters give 0.
SupportLevel ClassifyEcuType(std::string_view type);

// Human-readable name of a request, for traces and messages.
const char* RequestName(Request request);

}  // namespace hm::ecu
