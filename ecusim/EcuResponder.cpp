#include "ecusim/EcuResponder.h"

#include "ecu/EcuProtocol.h"

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
    body.push_back(ecu::FrameChecksum(body.data(), body.size()));
    return body;
}

bool frameIsValid(const uint8_t* frame, size_t length) {
    if (length < 3 || frame[0] < 2 || static_cast<size_t>(frame[0]) + 1 != length) {
        return false;
    }
    return ecu::FrameChecksum(frame, length - 1) == frame[length - 1];
}

EcuResponder::EcuResponder(EcuIdentity identity, EcuMemory memory)
    : identity_(std::move(identity)), memory_(std::move(memory)) {
    identity_.ecuType.resize(4, ' ');
    identity_.probeDigits.resize(3, '0');
}

Frame EcuResponder::refuse(uint8_t service, uint8_t code) {
    return withChecksum({0x04, 0x7F, service, code});
}

Frame EcuResponder::respond(const uint8_t* f, size_t n) {
    if (!frameIsValid(f, n)) {
        return {};
    }
    const size_t len = f[0];  // bytes before the checksum
    const uint8_t sid = f[1];
    switch (sid) {
        case 0x90: {
            const auto& d = identity_.probeDigits;
            return withChecksum({0x06, 0xD0, 0x00, static_cast<uint8_t>(d[0]),
                                 static_cast<uint8_t>(d[1]), static_cast<uint8_t>(d[2])});
        }
        case 0x27:
            return security(f, len);
        case 0x10:
            return startSession(f, len);
        case 0x20:
            seedSent_ = false;
            granted_ = false;
            return withChecksum({0x02, 0x60});
        case 0x1A:
            return identification(f, len);
        case 0x21:
            return readLocal(f, len);
        case 0x31:
            return eraseBlock(f, len);
        case 0x3B:
            return writeRecord(f, len);
        default:
            return refuse(sid, kNrcServiceNotSupported);
    }
}

Frame EcuResponder::startSession(const uint8_t* f, size_t len) {
    if (len != 3) {
        return refuse(f[1], kNrcWrongLength);
    }
    if (f[2] != 0x84) {
        return refuse(f[1], kNrcSubFunctionNotSupported);
    }
    return withChecksum({0x03, 0x50, 0x84});
}

Frame EcuResponder::identification(const uint8_t* f, size_t len) {
    if (len != 3) {
        return refuse(f[1], kNrcWrongLength);
    }
    if (f[2] != 0x90) {
        return refuse(f[1], kNrcSubFunctionNotSupported);
    }
    Frame r{0x14, 0x5A, 0x90};
    for (size_t i = 0; i < kIdentLength; ++i) {
        r.push_back(i < memory_.ident.size() ? static_cast<uint8_t>(memory_.ident[i]) : 0);
    }
    return withChecksum(std::move(r));
}

Frame EcuResponder::refuseChange(const uint8_t* f, size_t len, size_t wantLength,
                                 uint8_t subFunction, size_t count) const {
    if (len != wantLength) {
        return refuse(f[1], kNrcWrongLength);
    }
    if (f[2] != subFunction) {
        return refuse(f[1], kNrcSubFunctionNotSupported);
    }
    if (!granted_) {
        return refuse(f[1], kNrcAccessDenied);
    }
    if (f[3] >= count) {
        return refuse(f[1], kNrcOutOfRange);
    }
    return {};
}

Frame EcuResponder::eraseBlock(const uint8_t* f, size_t len) {
    if (Frame refusal = refuseChange(f, len, 4, 0x0E, kBlockCount); !refusal.empty()) {
        return refusal;
    }
    memory_.blocks[f[3]].fill(0);
    return withChecksum({0x04, 0x71, 0x0E, f[3]});
}

Frame EcuResponder::writeRecord(const uint8_t* f, size_t len) {
    if (Frame refusal = refuseChange(f, len, 4 + kStabilityPayloadSize, 0x39, kStabilitySlots);
        !refusal.empty()) {
        return refusal;
    }
    std::copy(f + 4, f + 4 + kStabilityPayloadSize, memory_.slots[f[3]].begin());
    return withChecksum({0x04, 0x7B, 0x39, f[3]});
}

Frame EcuResponder::security(const uint8_t* f, size_t len) {
    const uint8_t sid = f[1];
    if (len < 3) {
        return refuse(sid, kNrcWrongLength);
    }
    if (f[2] == 0x05) {
        if (len != 3) {
            return refuse(sid, kNrcWrongLength);
        }
        seedSent_ = true;
        // A seed whose key derives to 0 needs no key: the tool then goes on without one.
        granted_ = ecu::DeriveKey(identity_.seed, identity_.key) == 0;
        return withChecksum({0x05, 0x67, 0x05, static_cast<uint8_t>(identity_.seed >> 8),
                             static_cast<uint8_t>(identity_.seed & 0xFF)});
    }
    if (f[2] == 0x06) {
        if (len != 5) {
            return refuse(sid, kNrcWrongLength);
        }
        if (!seedSent_) {
            return refuse(sid, kNrcSequenceError);
        }
        const uint16_t key = static_cast<uint16_t>(f[3] << 8 | f[4]);
        if (key != ecu::DeriveKey(identity_.seed, identity_.key)) {
            granted_ = false;
            return refuse(sid, kNrcInvalidKey);
        }
        granted_ = true;
        return withChecksum({0x03, 0x67, 0x06});
    }
    return refuse(sid, kNrcSubFunctionNotSupported);
}

Frame EcuResponder::readLocal(const uint8_t* f, size_t len) {
    const uint8_t sid = f[1];
    if (len < 3) {
        return refuse(sid, kNrcWrongLength);
    }
    // A read of entry f[3] of `entries` (a fleet block or a stability slot): its bytes after the
    // entry number.
    const auto readEntry = [&](const auto& entries) {
        if (len != 4) {
            return refuse(sid, kNrcWrongLength);
        }
        if (f[3] >= entries.size()) {
            return refuse(sid, kNrcOutOfRange);
        }
        const auto& bytes = entries[f[3]];
        Frame r{static_cast<uint8_t>(4 + bytes.size()), 0x61, f[2], f[3]};
        r.insert(r.end(), bytes.begin(), bytes.end());
        return withChecksum(std::move(r));
    };
    switch (f[2]) {
        case 0x64: {
            if (len != 3) {
                return refuse(sid, kNrcWrongLength);
            }
            Frame r{0x07, 0x61, 0x64};
            for (char c : identity_.ecuType) {
                r.push_back(static_cast<uint8_t>(c));
            }
            return withChecksum(std::move(r));
        }
        case 0x24:
            return readEntry(memory_.blocks);
        case 0x39:
            return readEntry(memory_.slots);
        default:
            return refuse(sid, kNrcOutOfRange);
    }
}

}  // namespace hm::ecusim
