#pragma once
// Text made of bytes from outside (the ECU's identification and type, device paths) for a
// terminal or a trace: one formatter for hex dumps and one for text, used everywhere such bytes
// are printed, so that no escape sequence from the line reaches a terminal. Any thread.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace hm::ecu {

// "03 1A 90 AD": two upper-case hex digits per byte, separated by single spaces.
std::string hexBytes(const uint8_t* bytes, size_t count);

// `text` with every byte outside printable ASCII (0x20..0x7E) written as \xNN (upper-case
// hex), e.g. "B\x1B37". Printable bytes, the backslash included, stay as they are.
std::string printableText(std::string_view text);

// True when every byte of `text` is printable ASCII.
bool isPrintableText(std::string_view text);

}  // namespace hm::ecu
