#pragma once
// The ECU's security key function, shared by the tool and the virtual ECU: the 16-bit seed is
// rotated left within 16 bits, multiplied, divided (signed, truncating toward zero), and the
// low 16 bits of the quotient are the key. The constants belong to the ECU in use; both
// programs take others with --key ROT,MUL,DIV.
#include <cstdint>
#include <optional>
#include <string>

namespace hm::ecu {

struct KeyConstants {
    int rotate = 5;  // 0..15 bits
    int32_t multiplier = 1009;
    int32_t divisor = 13;  // never 0
};

// The documented defaults of this tool.
constexpr KeyConstants kDefaultKeyConstants{};

// The key for `seed`. The product is formed in 64 bits, so no constant can overflow it.
uint16_t DeriveKey(uint16_t seed, const KeyConstants& constants = kDefaultKeyConstants);

// Parses "ROT,MUL,DIV" (decimal or 0x hex). Empty when malformed, ROT outside 0..15 or DIV 0.
std::optional<KeyConstants> parseKeyConstants(const std::string& text);

}  // namespace hm::ecu
