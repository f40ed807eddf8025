#include "ecu/FrameMeaning.h"

#include <optional>

#include "ecu/EcuProtocol.h"
#include "ecu/WireText.h"

namespace hm::ecu {
namespace {

std::optional<std::string> requestMeaning(const uint8_t* frame, size_t length) {
    const RequestEntry* entry = findRequestEntry(frame, length);
    if (entry == nullptr) {
        return std::nullopt;
    }
    std::string text = entry->meaning;
    if (entry->number != RequestNumber::None) {
        text += length > 4 ? ' ' + std::to_string(frame[3]) : std::string(" ?");
    }
    return text;
}

}  // namespace

std::string frameMeaning(const uint8_t* frame, size_t length) {
    if (frame == nullptr || length < 3 || static_cast<size_t>(frame[0]) + 1 != length) {
        return "bad length";
    }
    if (!frameIsWellFormed(frame, length)) {
        return "bad checksum";
    }
    if (frame[1] == kLinkProbe[1] || frame[1] == rsp::kLinkProbe) {
        return "link probe";
    }
    if (frame[1] == rsp::kNegative) {
        if (length > 4 && frame[3] == kNrcResponsePending) {
            return "response pending";
        }
        return "refused (" + hexBytes(frame + 1, length - 2) + ")";
    }
    return requestMeaning(frame, length).value_or("unknown");
}

}  // namespace hm::ecu
