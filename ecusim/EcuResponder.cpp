#include "ecusim/EcuResponder.h"

#include "ecu/EcuProtocol.h"
#include "ecu/RequestTable.h"

namespace hm::ecusim {

namespace {

constexpr uint8_t kNrcServiceNotSupported = 0x11;
constexpr uint8_t kNrcSubFunctionNotSupported = 0x12;
constexpr uint8_t kNrcWrongLength = 0x13;
constexpr uint8_t kNrcSequenceError = 0x24;
constexpr uint8_t kNrcOutOfRange = 0x31;
constexpr uint8_t kNrcAccessDenied = 0x33;
constexpr uint8_t kNrcInvalidKey = 0x35;

}  // namespace

// The same additive checksum as the tool's side of the link; the tests' literal frames check
// both against an independent sum.
Frame withChecksum(Frame body) {
    body.push_back(ecu::frameChecksum(body.data(), body.size()));
    return body;
}

bool frameIsValid(const uint8_t* frame, size_t length) {
    if (length < 3 || frame[0] < 2 || static_cast<size_t>(frame[0]) + 1 != length) {
        return false;
    }
    return ecu::frameChecksum(frame, length - 1) == frame[length - 1];
}

EcuResponder::EcuResponder(EcuIdentity identity, EcuMemory memory)
    : identity_(std::move(identity)), memory_(std::move(memory)) {
    identity_.ecuType.resize(4, ' ');
    identity_.probeDigits.resize(3, '0');
}

Frame EcuResponder::refuse(uint8_t service, uint8_t code) {
    return withChecksum({0x04, 0x7F, service, code});
}

Frame EcuResponder::answer(const ecu::RequestEntry& entry, const Frame& data) {
    Frame r{0x00, entry.answerService()};
    if (entry.hasSub()) {
        r.push_back(entry.sub);
    }
    r.insert(r.end(), data.begin(), data.end());
    r[0] = static_cast<uint8_t>(r.size());
    return withChecksum(std::move(r));
}

Frame EcuResponder::respond(const uint8_t* f, size_t n) {
    if (!frameIsValid(f, n)) {
        return {};
    }
    const size_t len = f[0];  // bytes before the checksum
    if (f[1] == ecu::kLinkProbe[1]) {
        const auto& d = identity_.probeDigits;
        return withChecksum({0x06, ecu::rsp::kLinkProbe, 0x00, static_cast<uint8_t>(d[0]),
                             static_cast<uint8_t>(d[1]), static_cast<uint8_t>(d[2])});
    }
    const ecu::RequestEntry* entry = nullptr;
    if (Frame refusal = recognise(f, len, entry); !refusal.empty()) {
        return refusal;
    }
    return serve(entry->request, f);
}

Frame EcuResponder::recognise(const uint8_t* f, size_t len, const ecu::RequestEntry*& entry) {
    const uint8_t sid = f[1];
    int onService = 0;
    for (const ecu::RequestEntry& s : ecu::kRequests) {
        if (s.service == sid) {
            entry = onService == 0 ? &s : entry;
            ++onService;
        }
    }
    if (onService == 0) {
        return refuse(sid, kNrcServiceNotSupported);
    }
    if (!entry->hasSub()) {
        return {};  // a service without sub-function (the session's end) is never refused
    }
    if (onService == 1) {
        // The one request of its service: its length first, then its sub-function.
        if (len != entry->length) {
            return refuse(sid, kNrcWrongLength);
        }
        return f[2] == entry->sub ? Frame{} : refuse(sid, kNrcSubFunctionNotSupported);
    }
    // Several requests share the service: byte 2 tells which, then its length is checked. An
    // unknown local identifier of a read is out of range.
    if (len < 3) {
        return refuse(sid, kNrcWrongLength);
    }
    const bool read = entry->read;
    entry = ecu::findRequestEntry(f, len + 1, true);
    if (entry == nullptr) {
        return refuse(sid, read ? kNrcOutOfRange : kNrcSubFunctionNotSupported);
    }
    return len == entry->length ? Frame{} : refuse(sid, kNrcWrongLength);
}

Frame EcuResponder::serve(ecu::Request request, const uint8_t* f) {
    using ecu::Request;
    const ecu::RequestEntry& entry = ecu::requestEntry(request);
    switch (request) {
        case Request::RequestSeed:
            return seed(entry);
        case Request::SendKey:
            return key(entry, f);
        case Request::StartSession:
            return answer(entry, {});
        case Request::StopSession:
            seedSent_ = false;
            granted_ = false;
            return answer(entry, {});
        case Request::ReadVehicleIdent:
            return identification(entry);
        case Request::ReadEcuType: {
            const auto& t = identity_.ecuType;
            return answer(entry, {static_cast<uint8_t>(t[0]), static_cast<uint8_t>(t[1]),
                                 static_cast<uint8_t>(t[2]), static_cast<uint8_t>(t[3])});
        }
        case Request::ReadFleetBlock:
            return readEntry(entry, f, memory_.blocks);
        case Request::ReadStabilityRecord:
            return readEntry(entry, f, memory_.slots);
        case Request::EraseFleetBlock:
            return eraseBlock(entry, f);
        case Request::WriteStabilityRecord:
            return writeRecord(entry, f);
    }
    return {};
}

Frame EcuResponder::identification(const ecu::RequestEntry& entry) const {
    Frame chars;
    for (size_t i = 0; i < kIdentLength; ++i) {
        chars.push_back(i < memory_.ident.size() ? static_cast<uint8_t>(memory_.ident[i]) : 0);
    }
    return answer(entry, chars);
}

template <typename Entries>
Frame EcuResponder::readEntry(const ecu::RequestEntry& entry, const uint8_t* f,
                              const Entries& entries) {
    // A read of entry f[3] (a fleet block or a stability slot): its bytes after the number.
    if (f[3] >= entries.size()) {
        return refuse(f[1], kNrcOutOfRange);
    }
    const auto& bytes = entries[f[3]];
    Frame data{f[3]};
    data.insert(data.end(), bytes.begin(), bytes.end());
    return answer(entry, data);
}

Frame EcuResponder::refuseChange(const uint8_t* f, size_t count) const {
    if (!granted_) {
        return refuse(f[1], kNrcAccessDenied);
    }
    if (f[3] >= count) {
        return refuse(f[1], kNrcOutOfRange);
    }
    return {};
}

Frame EcuResponder::eraseBlock(const ecu::RequestEntry& entry, const uint8_t* f) {
    if (Frame refusal = refuseChange(f, kBlockCount); !refusal.empty()) {
        return refusal;
    }
    memory_.blocks[f[3]].fill(0);
    return answer(entry, {f[3]});
}

Frame EcuResponder::writeRecord(const ecu::RequestEntry& entry, const uint8_t* f) {
    if (Frame refusal = refuseChange(f, kStabilitySlots); !refusal.empty()) {
        return refusal;
    }
    std::copy(f + 4, f + 4 + kStabilityPayloadSize, memory_.slots[f[3]].begin());
    return answer(entry, {f[3]});
}

Frame EcuResponder::seed(const ecu::RequestEntry& entry) {
    seedSent_ = true;
    // A seed whose key derives to 0 needs no key: the tool then goes on without one.
    granted_ = ecu::DeriveKey(identity_.seed, identity_.key) == 0;
    return answer(entry, {static_cast<uint8_t>(identity_.seed >> 8),
                         static_cast<uint8_t>(identity_.seed & 0xFF)});
}

Frame EcuResponder::key(const ecu::RequestEntry& entry, const uint8_t* f) {
    if (!seedSent_) {
        return refuse(f[1], kNrcSequenceError);
    }
    const uint16_t key = static_cast<uint16_t>(f[3] << 8 | f[4]);
    if (key != ecu::DeriveKey(identity_.seed, identity_.key)) {
        granted_ = false;
        return refuse(f[1], kNrcInvalidKey);
    }
    granted_ = true;
    return answer(entry, {});
}

}  // namespace hm::ecusim
