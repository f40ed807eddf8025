#include "support/ScriptedEcu.h"

#include <algorithm>

#include "ecu/EcuProtocol.h"

namespace hmtest {

using hm::ecu::Request;
using hm::ecu::RequestEntry;

namespace {

// The positive answer to `entry`: its answer service, its sub-function, then `data`.
Bytes answerTo(const RequestEntry& entry, const Bytes& data) {
    Bytes b{entry.answerService()};
    if (entry.hasSub()) {
        b.push_back(entry.sub);
    }
    b.insert(b.end(), data.begin(), data.end());
    return frameOf(b);
}

Bytes textBytes(const std::string& text, size_t count) {
    Bytes b;
    for (size_t i = 0; i < count; ++i) {
        b.push_back(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
    }
    return b;
}

}  // namespace

std::vector<Bytes> ScriptedEcu::operator()(const Bytes& r) {
    if (silent || r.size() < 3) {
        return {};
    }
    const uint8_t service = r[1];
    if (service == hm::ecu::kLinkProbe[1]) {
        return answerProbe ? std::vector<Bytes>{frameOf({0xD0, 0x00, '1', '0', '0'})}
                           : std::vector<Bytes>{};
    }
    if (rejectNext > 0) {
        --rejectNext;
        return {frameOf({0x7F, service, 0x22})};
    }
    const RequestEntry* entry = hm::ecu::findRequestEntry(r.data(), r.size(), true);
    if (entry == nullptr) {
        return {};
    }
    const bool change =
        entry->request == Request::EraseFleetBlock || entry->request == Request::WriteStabilityRecord;
    if (change && requireAccess && !granted) {
        return {frameOf({0x7F, service, 0x33})};
    }
    return {answer(*entry, r)};
}

Bytes ScriptedEcu::answer(const RequestEntry& entry, const Bytes& r) {
    switch (entry.request) {
        case Request::RequestSeed:
            return answerTo(entry, {static_cast<uint8_t>(seed >> 8), static_cast<uint8_t>(seed)});
        case Request::SendKey:
            granted = true;
            return answerTo(entry, {});
        case Request::StartSession:
        case Request::StopSession:
            return answerTo(entry, {});
        case Request::ReadVehicleIdent:
            return answerTo(entry, textBytes(ident, 17));
        case Request::ReadEcuType:
            return answerTo(entry, textBytes(type, 4));
        case Request::ReadFleetBlock:
            return answerTo(entry, blockBytes(r[3]));
        case Request::ReadStabilityRecord: {
            Bytes b{r[3]};
            const auto& p = records[r[3] & 31u];
            b.insert(b.end(), p.begin(), p.end());
            return answerTo(entry, b);
        }
        case Request::EraseFleetBlock:
            erased.push_back(r);
            if (r[3] < 10) {
                blocks[r[3]].fill(0);
            }
            return answerTo(entry, {r[3]});
        case Request::WriteStabilityRecord:
            erased.push_back(r);
            std::copy(r.begin() + 4, r.begin() + 20, records[r[3] & 31u].begin());
            return answerTo(entry, {r[3]});
    }
    return {};
}

Bytes ScriptedEcu::blockBytes(uint8_t n) const {
    Bytes b{n};
    const bool wide = n < 4 || n > 7;
    for (int i = 0; i < (wide ? 16 : 32); ++i) {
        const uint32_t v = n < 10 ? blocks[n][static_cast<size_t>(i)] : 0;
        if (wide) {
            b.push_back(static_cast<uint8_t>(v >> 24));
            b.push_back(static_cast<uint8_t>(v >> 16));
        }
        b.push_back(static_cast<uint8_t>(v >> 8));
        b.push_back(static_cast<uint8_t>(v));
    }
    return b;
}

void fillSample(ScriptedEcu& ecu) {
    for (uint32_t b = 0; b < 10; ++b) {
        for (uint32_t i = 0; i < 32; ++i) {
            const uint32_t v = (b + 1) * 1000 + i;
            ecu.blocks[b][i] = (b >= 4 && b <= 7) ? (v & 0xFFFF) : v * 70000u;
        }
    }
    for (auto& p : ecu.records) {
        p.fill(0);
    }
    const int used[] = {1, 3, 4};
    uint32_t odometer = 900000;
    for (int slot : used) {
        auto& p = ecu.records[static_cast<size_t>(slot)];
        p[0] = static_cast<uint8_t>(slot * 10);
        p[1] = 60;
        p[4] = 120;  // voltage: non-empty
        p[5] = 0x01;
        p[6] = 5;
        p[7] = 3;
        p[8] = static_cast<uint8_t>(odometer >> 24);
        p[9] = static_cast<uint8_t>(odometer >> 16);
        p[10] = static_cast<uint8_t>(odometer >> 8);
        p[11] = static_cast<uint8_t>(odometer);
        odometer -= 100000;
    }
}

}  // namespace hmtest
