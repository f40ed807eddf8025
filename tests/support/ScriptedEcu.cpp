#include "support/ScriptedEcu.h"

#include <algorithm>

namespace hmtest {

std::vector<Bytes> ScriptedEcu::operator()(const Bytes& r) {
    if (silent || r.size() < 3) {
        return {};
    }
    const uint8_t service = r[1];
    if (service == 0x90) {
        return answerProbe ? std::vector<Bytes>{frameOf({0xD0, 0x00, '1', '0', '0'})}
                           : std::vector<Bytes>{};
    }
    if (rejectNext > 0) {
        --rejectNext;
        return {frameOf({0x7F, service, 0x22})};
    }
    if ((service == 0x31 || service == 0x3B) && requireAccess && !granted) {
        return {frameOf({0x7F, service, 0x33})};
    }
    switch (service) {
        case 0x27:
            granted = granted || r[2] == 0x06;
            if (r[2] == 0x05) {
                return {frameOf({0x67, 0x05, static_cast<uint8_t>(seed >> 8),
                                 static_cast<uint8_t>(seed & 0xFF)})};
            }
            return {frameOf({0x67, 0x06})};
        case 0x10:
            return {frameOf({0x50, 0x84})};
        case 0x20:
            return {frameOf({0x60})};
        case 0x1A: {
            Bytes b{0x5A, 0x90};
            for (size_t i = 0; i < 17; ++i) {
                b.push_back(i < ident.size() ? static_cast<uint8_t>(ident[i]) : 0);
            }
            return {frameOf(b)};
        }
        case 0x21:
            if (r[2] == 0x64) {
                Bytes b{0x61, 0x64};
                for (size_t i = 0; i < 4; ++i) {
                    b.push_back(i < type.size() ? static_cast<uint8_t>(type[i]) : 0);
                }
                return {frameOf(b)};
            }
            if (r[2] == 0x24) {
                const uint8_t n = r[3];
                Bytes b{0x61, 0x24, n};
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
                return {frameOf(b)};
            }
            if (r[2] == 0x39) {
                Bytes b{0x61, 0x39, r[3]};
                const auto& p = records[r[3] & 31u];
                for (uint8_t byte : p) {
                    b.push_back(byte);
                }
                return {frameOf(b)};
            }
            return {};
        case 0x31:
            erased.push_back(r);
            if (r[3] < 10) {
                blocks[r[3]].fill(0);
            }
            return {frameOf({0x71, 0x0E, r[3]})};
        case 0x3B:
            erased.push_back(r);
            std::copy(r.begin() + 4, r.begin() + 20, records[r[3] & 31u].begin());
            return {frameOf({0x7B, 0x39, r[3]})};
        default:
            return {};
    }
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
