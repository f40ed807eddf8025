#include "ecu/EcuProtocol.h"

namespace hm::ecu {

uint8_t FrameChecksum(const uint8_t* bytes, size_t count) {
    unsigned sum = 0;
    for (size_t i = 0; i < count; ++i) {
        sum += bytes[i];
    }
    return static_cast<uint8_t>(sum & 0xFFu);
}

std::vector<uint8_t> RequestTemplate(Request request) {
    std::vector<uint8_t> head;
    switch (request) {
        case Request::RequestSeed:
            head = {0x03, 0x27, lid::kSeed};
            break;
        case Request::SendKey:
            head = {0x05, 0x27, lid::kKey, 0x00, 0x00};
            break;
        case Request::StartSession:
            head = {0x03, 0x10, lid::kSession};
            break;
        case Request::StopSession:
            head = {0x02, 0x20};
            break;
        case Request::ReadFleetBlock:
            head = {0x04, 0x21, lid::kFleetBlock, 0x00};
            break;
        case Request::EraseFleetBlock:
            head = {0x04, 0x31, lid::kEraseBlock, 0x00};
            break;
        case Request::ReadEcuType:
            head = {0x03, 0x21, lid::kEcuType};
            break;
        case Request::ReadVehicleIdent:
            head = {0x03, 0x1A, lid::kVehicleIdent};
            break;
        case Request::ReadStabilityRecord:
            head = {0x04, 0x21, lid::kStabilityRecord, 0x00};
            break;
        case Request::WriteStabilityRecord:
            head.assign(0x14, 0x00);
            head[0] = 0x14;
            head[1] = 0x3B;
            head[2] = lid::kStabilityRecord;
            break;
    }
    head.push_back(0x00);  // checksum, filled in at every send
    return head;
}

bool FrameIsWellFormed(const uint8_t* frame, size_t length) {
    if (frame == nullptr || length < 3 || static_cast<size_t>(frame[0]) + 1 != length) {
        return false;
    }
    return FrameChecksum(frame, length - 1) == frame[length - 1];
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

const char* RequestName(Request request) {
    switch (request) {
        case Request::RequestSeed:
            return "RequestSeed";
        case Request::SendKey:
            return "SendKey";
        case Request::StartSession:
            return "StartSession";
        case Request::StopSession:
            return "StopSession";
        case Request::ReadFleetBlock:
            return "ReadFleetBlock";
        case Request::EraseFleetBlock:
            return "EraseFleetBlock";
        case Request::ReadEcuType:
            return "ReadEcuType";
        case Request::ReadVehicleIdent:
            return "ReadVehicleIdent";
        case Request::ReadStabilityRecord:
            return "ReadStabilityRecord";
        case Request::WriteStabilityRecord:
            return "WriteStabilityRecord";
    }
    return "?";
}

}  // namespace hm::ecu
