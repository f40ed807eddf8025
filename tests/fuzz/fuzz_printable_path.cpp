// libFuzzer target: file names of any bytes as shown in messages. The shown text never holds a
// control character and is well-formed UTF-8; turning every "\\" back into a backslash and
// every "\xNN" into its byte gives the name again, so no two names are shown alike.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/FileAccess.h"

namespace {

// Code point of the well-formed UTF-8 sequence at `s[i]`; advances `i`. Aborts on malformed text.
char32_t decodeOne(std::string_view s, size_t& i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s.at(k)); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead < 0xC2 || lead > 0xF4 || i + length > s.size()) {
        std::abort();
    }
    char32_t cp = lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            std::abort();
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    const char32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < minimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        std::abort();
    }
    i += length;
    return cp;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    const std::string shown = hm::printablePath(name);
    for (size_t i = 0; i < shown.size();) {
        const char32_t cp = decodeOne(shown, i);
        if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F)) {
            std::abort();
        }
    }
    std::string back;
    for (size_t i = 0; i < shown.size(); ++i) {
        if (shown[i] == '\\' && shown.at(i + 1) == '\\') {
            back += '\\';
            i += 1;
        } else if (shown[i] == '\\') {
            back += static_cast<char>(std::stoi(shown.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            back += shown[i];
        }
    }
    if (back != name) {
        std::abort();
    }
    return 0;
}
