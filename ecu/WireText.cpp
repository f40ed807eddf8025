#include "ecu/WireText.h"

namespace hm::ecu {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool printable(unsigned char c) {
    return c >= 0x20 && c <= 0x7E;
}

}  // namespace

std::string hexBytes(const uint8_t* bytes, size_t count) {
    std::string out;
    out.reserve(count * 3);
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) {
            out += ' ';
        }
        out += kHexDigits[bytes[i] >> 4];
        out += kHexDigits[bytes[i] & 0x0F];
    }
    return out;
}

std::string printableText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (printable(c)) {
            out += ch;
        } else {
            out += "\\x";
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 0x0F];
        }
    }
    return out;
}

bool isPrintableText(std::string_view text) {
    for (const char ch : text) {
        if (!printable(static_cast<unsigned char>(ch))) {
            return false;
        }
    }
    return true;
}

}  // namespace hm::ecu
