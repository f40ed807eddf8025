#pragma once
// The frames of the ECU conversation: the link probe, the request frame templates (from the
// request table, RequestTable.h), the additive checksum, frame validation and the ECU type
// classification. Plain functions on caller data; any thread.
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

#include "ecu/RequestTable.h"

namespace hm::ecu {

// The link probe, written directly by the connection state machine (never through the ring).
constexpr std::array<uint8_t, 3> kLinkProbe{0x02, 0x90, 0x92};

// Response numbers that belong to no request of the ring.
namespace rsp {
constexpr uint8_t kLinkProbe = 0xD0;
constexpr uint8_t kNegative = 0x7F;
}  // namespace rsp
static_assert(rsp::kLinkProbe == kLinkProbe[1] + kPositiveResponseOffset);

// The code of a negative response (7F service code) that asks for more time.
constexpr uint8_t kNrcResponsePending = 0x78;

// Sum of `count` bytes modulo 256.
uint8_t frameChecksum(const uint8_t* bytes, size_t count);

// The request frame with its constant bytes set, variable bytes 0 and no checksum yet; its size
// is L + 1.
std::vector<uint8_t> requestTemplate(Request request);

// True when `frame` is a complete frame: at least 3 bytes, byte 0 + 1 equals `length` and the
// last byte is the checksum of the others.
bool frameIsWellFormed(const uint8_t* frame, size_t length);

// What an ECU supports; the number is the "support level" shown to the user.
enum class SupportLevel { None = 0, FleetAndRecords = 1, RecordsOnly = 2 };

// Support level of a four-character ECU type: 1 fleet data and stability records, 2 stability
// records only, 0 not supported. n = 100 * (c2 & 15) + 10 * (c3 & 15) + (c4 & 15); "B", "C" or
// "D" first: n >= 337 gives 1, 321..336 gives 2; "X" first: n >= 299 gives 1; anything else 0.
// Characters 2 to 4 count by their low four bits alone, whatever they are (control bytes too);
// fewer than four characters give 0.
SupportLevel ClassifyEcuType(std::string_view type);

// Human-readable name of a request, for traces and messages.
const char* requestName(Request request);

}  // namespace hm::ecu
