#include "ecu/FrameMeaning.h"

#include <array>
#include <optional>

#include "ecu/EcuLink.h"
#include "ecu/EcuProtocol.h"
#include "ecu/WireText.h"

namespace hm::ecu {
namespace {

// A positive response carries the request's service number plus this.
constexpr uint8_t kPositiveResponseOffset = 0x40;
static_assert(rsp::kLinkProbe == kLinkProbe[1] + kPositiveResponseOffset);

struct Meaning {
    Request request;
    const char* name;
    bool numbered;  // byte 3 is a block or record number
};

// Every request of the ring; its service and sub-function come from its template.
constexpr std::array<Meaning, kRingSize> kMeanings{{
    {Request::RequestSeed, "security seed", false},
    {Request::SendKey, "security key", false},
    {Request::StartSession, "start session", false},
    {Request::StopSession, "stop session", false},
    {Request::ReadFleetBlock, "block", true},
    {Request::EraseFleetBlock, "erase block", true},
    {Request::ReadEcuType, "ECU type", false},
    {Request::ReadVehicleIdent, "vehicle identification", false},
    {Request::ReadStabilityRecord, "record", true},
    {Request::WriteStabilityRecord, "write record", true},
}};

// Whether `frame` (a request or its positive response) belongs to `request`: the same service
// and, where the request has one, the same sub-function.
bool belongsTo(Request request, const uint8_t* frame, size_t length) {
    const std::vector<uint8_t> head = RequestTemplate(request);
    const uint8_t service = head[1];
    if (frame[1] != service && frame[1] != service + kPositiveResponseOffset) {
        return false;
    }
    const bool hasSubFunction = head[0] >= 3;
    return !hasSubFunction || (length > 3 && frame[2] == head[2]);
}

std::optional<std::string> requestMeaning(const uint8_t* frame, size_t length) {
    for (const Meaning& m : kMeanings) {
        if (!belongsTo(m.request, frame, length)) {
            continue;
        }
        std::string text = m.name;
        if (m.numbered) {
            text += length > 4 ? ' ' + std::to_string(frame[3]) : std::string(" ?");
        }
        return text;
    }
    return std::nullopt;
}

}  // namespace

std::string FrameMeaning(const uint8_t* frame, size_t length) {
    if (frame == nullptr || length < 3 || static_cast<size_t>(frame[0]) + 1 != length) {
        return "bad length";
    }
    if (!FrameIsWellFormed(frame, length)) {
        return "bad checksum";
    }
    if (frame[1] == kLinkProbe[1] || frame[1] == rsp::kLinkProbe) {
        return "link probe";
    }
    if (frame[1] == rsp::kNegative) {
        if (length > 4 && frame[3] == kNrcResponsePending) {
            return "response pending";
        }
        return "refused (" + HexBytes(frame + 1, length - 2) + ")";
    }
    return requestMeaning(frame, length).value_or("unknown");
}

}  // namespace hm::ecu
