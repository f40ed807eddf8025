#include "ecu/EcuProtocol.h"

namespace hm::ecu {

uint8_t frameChecksum(const uint8_t* bytes, size_t count) {
    unsigned sum = 0;
    for (size_t i = 0; i < count; ++i) {
        sum += bytes[i];
    }
    return static_cast<uint8_t>(sum & 0xFFu);
}

std::vector<uint8_t> requestTemplate(Request request) {
    const RequestEntry& entry = requestEntry(request);
    std::vector<uint8_t> frame(entry.length + 1u, 0x00);  // the checksum is filled in at every send
    frame[0] = entry.length;
    frame[1] = entry.service;
    if (entry.hasSub()) {
        frame[2] = entry.sub;
    }
    return frame;
}

bool frameIsWellFormed(const uint8_t* frame, size_t length) {
    if (frame == nullptr || length < 3 || static_cast<size_t>(frame[0]) + 1 != length) {
        return false;
    }
    return frameChecksum(frame, length - 1) == frame[length - 1];
}

SupportLevel ClassifyEcuType(std::string_view type) {
    if (type.size() < 4) {
        return SupportLevel::None;
    }
    // The ECU's number is read from the low four bits of characters 2 to 4, whatever the
    // characters are (some ECUs send bytes there that are not digits). The letter must match
    // exactly. What is shown of the type is made printable where it is shown.
    const auto digit = [&](size_t i) { return static_cast<unsigned char>(type[i]) & 0x0F; };
    const int n = 100 * digit(1) + 10 * digit(2) + digit(3);
    switch (type[0]) {
        case 'B':
        case 'C':
        case 'D':
            if (n >= 337) {
                return SupportLevel::FleetAndRecords;
            }
            return n >= 321 ? SupportLevel::RecordsOnly : SupportLevel::None;
        case 'X':
            return n >= 299 ? SupportLevel::FleetAndRecords : SupportLevel::None;
        default:
            return SupportLevel::None;
    }
}

const char* requestName(Request request) {
    return requestEntry(request).name;
}

}  // namespace hm::ecu
