#pragma once
// Every request of the ECU conversation in one table: its frame, its name, what its answer
// carries and what a trace calls it. The link (sending, judging answers, describing a failed
// request), the frame meanings of the trace, the virtual ECU and the test ECU take their facts
// about a request from here. Adding a request is one enumerator and one row here, the handling
// of its answer in RequestRing and its answer in the ECUs that serve it (their switches over
// Request have no default, so the compiler names each place). Constant data; any thread.
//
// Frame layout, both directions: byte 0 is the length L (bytes before the checksum, the length
// byte included), byte 1 the service (request) or the service + 0x40 (positive response),
// byte 2 the sub-function or local identifier where the request has one, byte 3 the block or
// record number where it has one, then data, then the checksum.
#include <array>
#include <cstddef>
#include <cstdint>

namespace hm::ecu {

// The requests sent through the ring, in ring order: when several are pending the poll step
// sends the first one found stepping from its cursor. One row of kRequests per enumerator, in
// this order.
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

// A positive response carries the request's service number plus this.
constexpr uint8_t kPositiveResponseOffset = 0x40;

// What byte 3 of a request numbers, as traces and messages name it.
enum class RequestNumber : uint8_t { None, Block, Record };

// The bytes after the number that change from one send to the next.
enum class RequestData : uint8_t {
    None,
    SecurityKey,   // bytes 3..4: the key derived from the last seed
    RecordPayload  // bytes 4..19: the image's record at the record counter
};

struct RequestEntry {
    Request request;
    const char* name;     // for traces and messages: "ReadFleetBlock"
    const char* meaning;  // a trace's meaning of the request and its answer: "block"
    uint8_t length;       // L of the request frame
    uint8_t service;      // byte 1
    uint8_t sub = 0;      // byte 2 when L >= 3, else 0
    RequestNumber number = RequestNumber::None;
    RequestData data = RequestData::None;
    // The answer repeats `sub` in its byte 2; an answer with another byte 2 is not the answer.
    bool answerEchoesSub = true;
    // A numbered request's answer may end before byte 3 (erase and write confirmations); when it
    // has a byte 3, that must be the number asked for.
    bool answerNumberOptional = false;
    // The smallest L of an answer that holds every byte its handling reads.
    uint8_t minAnswerLength = 2;
    // Reads the ECU into the image: dropped from the ring when the window closes during a read.
    bool read = false;

    constexpr uint8_t answerService() const {
        return static_cast<uint8_t>(service + kPositiveResponseOffset);
    }
    constexpr bool hasSub() const { return length >= 3; }
};

inline constexpr std::array kRequests{
    RequestEntry{.request = Request::RequestSeed,
                .name = "RequestSeed",
                .meaning = "security seed",
                .length = 0x03,
                .service = 0x27,
                .sub = 0x05,
                .minAnswerLength = 5},  // 67 05 SH SL
    RequestEntry{.request = Request::SendKey,
                .name = "SendKey",
                .meaning = "security key",
                .length = 0x05,
                .service = 0x27,
                .sub = 0x06,
                .data = RequestData::SecurityKey},
    RequestEntry{.request = Request::StartSession,
                .name = "StartSession",
                .meaning = "start session",
                .length = 0x03,
                .service = 0x10,
                .sub = 0x84},
    RequestEntry{.request = Request::StopSession,
                .name = "StopSession",
                .meaning = "stop session",
                .length = 0x02,
                .service = 0x20,
                .answerEchoesSub = false},
    RequestEntry{.request = Request::ReadFleetBlock,
                .name = "ReadFleetBlock",
                .meaning = "block",
                .length = 0x04,
                .service = 0x21,
                .sub = 0x24,
                .number = RequestNumber::Block,
                .minAnswerLength = 68,  // 61 24 bb + 64 bytes
                .read = true},
    RequestEntry{.request = Request::EraseFleetBlock,
                .name = "EraseFleetBlock",
                .meaning = "erase block",
                .length = 0x04,
                .service = 0x31,
                .sub = 0x0E,
                .number = RequestNumber::Block,
                .answerNumberOptional = true},
    RequestEntry{.request = Request::ReadEcuType,
                .name = "ReadEcuType",
                .meaning = "ECU type",
                .length = 0x03,
                .service = 0x21,
                .sub = 0x64,
                .minAnswerLength = 7,  // 61 64 + 4 characters
                .read = true},
    // The identification's answer is taken whatever its byte 2 says.
    RequestEntry{.request = Request::ReadVehicleIdent,
                .name = "ReadVehicleIdent",
                .meaning = "vehicle identification",
                .length = 0x03,
                .service = 0x1A,
                .sub = 0x90,
                .answerEchoesSub = false,
                .minAnswerLength = 20,  // 5A 90 + 17 characters
                .read = true},
    RequestEntry{.request = Request::ReadStabilityRecord,
                .name = "ReadStabilityRecord",
                .meaning = "record",
                .length = 0x04,
                .service = 0x21,
                .sub = 0x39,
                .number = RequestNumber::Record,
                .minAnswerLength = 20,  // 61 39 rr + 16 bytes
                .read = true},
    RequestEntry{.request = Request::WriteStabilityRecord,
                .name = "WriteStabilityRecord",
                .meaning = "write record",
                .length = 0x14,
                .service = 0x3B,
                .sub = 0x39,
                .number = RequestNumber::Record,
                .data = RequestData::RecordPayload,
                .answerNumberOptional = true},
};

constexpr int kRingSize = static_cast<int>(kRequests.size());

// The row of `request`.
constexpr const RequestEntry& requestEntry(Request request) {
    return kRequests[static_cast<size_t>(request)];
}

// The row of a request frame or, unless `requestsOnly`, of its positive response: the same
// service and, where the request has a sub-function, the same byte 2 (`length` is the frame's
// size, checksum included). Null when no row fits.
constexpr const RequestEntry* findRequestEntry(const uint8_t* frame, size_t length,
                                             bool requestsOnly = false) {
    if (frame == nullptr || length < 2) {
        return nullptr;
    }
    for (const RequestEntry& entry : kRequests) {
        const bool answer = !requestsOnly && frame[1] == entry.answerService();
        if (frame[1] != entry.service && !answer) {
            continue;
        }
        if (!entry.hasSub() || (length > 3 && frame[2] == entry.sub)) {
            return &entry;
        }
    }
    return nullptr;
}

// Longest frame the tool sends, checksum included.
constexpr size_t kMaxRequestFrame = [] {
    size_t longest = 0;
    for (const RequestEntry& entry : kRequests) {
        longest = entry.length + 1u > longest ? entry.length + 1u : longest;
    }
    return longest;
}();

namespace detail {
constexpr bool requestTableIsConsistent() {
    for (size_t i = 0; i < kRequests.size(); ++i) {
        const RequestEntry& s = kRequests[i];
        const bool numberFits = s.number == RequestNumber::None || s.length >= 4;
        const bool dataFits = s.data != RequestData::RecordPayload || s.length >= 20;
        if (static_cast<size_t>(s.request) != i || s.length < 2 || (s.sub != 0) != s.hasSub() ||
            !numberFits || !dataFits || (s.data == RequestData::SecurityKey && s.length < 5) ||
            (s.answerEchoesSub && !s.hasSub()) || s.minAnswerLength < 2) {
            return false;
        }
    }
    return true;
}
}  // namespace detail
static_assert(detail::requestTableIsConsistent(),
              "one row per Request in enum order, with a frame that holds its number and data");

}  // namespace hm::ecu
