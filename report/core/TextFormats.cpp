#include "report/core/TextFormats.h"

#include <cstdio>

#include "platform/FileAccess.h"

namespace hm {
namespace {

bool isValidUtf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        const size_t n = utf8Length(s.substr(i));
        if (n == 0) {
            return false;
        }
        i += n;
    }
    return true;
}

// C0 controls, DEL and (as a Latin-1 byte) the C1 controls.
bool isControlByte(unsigned char b) {
    return b < 0x20 || (b >= 0x7F && b <= 0x9F);
}

// True when a spreadsheet could take `text` (UTF-8) for a formula: its first character that is
// not a blank or a control character (C0, space, DEL, C1, no-break space) is = + - or @.
bool looksLikeFormula(std::string_view text) {
    while (!text.empty()) {
        char32_t cp = 0;
        const size_t n = utf8Sequence(text, cp);
        if (n == 0 || !(cp <= 0x20 || (cp >= 0x7F && cp <= 0xA0))) {
            break;
        }
        text.remove_prefix(n);
    }
    return !text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string jsonEscape(unsigned char b) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", b);
    return escaped;
}

}  // namespace

std::string toUtf8Text(std::string_view bytes) {
    if (isValidUtf8(bytes)) {
        return std::string(bytes);
    }
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

std::string csvField(std::string_view text) {
    // A semicolon or tab: the field separator of spreadsheets in many locales.
    const bool quote = text.find_first_of(",;\t\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    return quote ? csvQuoted(text) : std::string(text);
}

std::string csvQuoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
    return out;
}

std::string printableText(std::string_view bytes) {
    if (isValidUtf8(bytes)) {
        return printablePath(bytes);
    }
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (isControlByte(b) || c == '\\') {
            out += printablePath(std::string_view(&c, 1));
        } else {
            out += toUtf8Text(std::string_view(&c, 1));
        }
    }
    return out;
}

std::string printableCellText(std::string_view bytes) {
    const std::string text = printableText(bytes);
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        // U+FFFE and U+FFFF are EF BF BE and EF BF BF: not characters; XML cannot hold them and
        // a spreadsheet drops them from a CSV field.
        if (text.compare(i, 2, "\xEF\xBF") == 0 && i + 2 < text.size() &&
            (text[i + 2] == '\xBE' || text[i + 2] == '\xBF')) {
            out += text[i + 2] == '\xBE' ? "\\xEF\\xBF\\xBE" : "\\xEF\\xBF\\xBF";
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string csvTextField(std::string_view bytes) {
    const std::string text = printableCellText(bytes);
    if (text.empty()) {
        return {};
    }
    // Always quoted: an identification such as 00123, 12E5 or 2024-03-01 is text, and a reader
    // that honours quotes keeps it so.
    return csvQuoted(looksLikeFormula(toUtf8Text(bytes)) ? "'" + text : text);
}

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto b = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (b < 0x20 || b == 0x7F) {
                    out += jsonEscape(b);
                } else if (b == 0xC2 && i + 1 < text.size() &&
                           (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80) {
                    // A C1 control (U+0080 to U+009F), which a terminal would act on.
                    out += jsonEscape(static_cast<unsigned char>(text[++i]));
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

std::string jsonNumber(std::string_view d) {
    // JSON: -? (0 | [1-9][0-9]*) (. [0-9]+)? ([eE] [+-]? [0-9]+)?
    size_t i = 0;
    if (i < d.size() && d[i] == '-') {
        ++i;
    }
    if (i >= d.size() || !isDigit(d[i])) {
        return "null";
    }
    if (d[i] == '0') {
        ++i;
    } else {
        while (i < d.size() && isDigit(d[i])) {
            ++i;
        }
    }
    if (i < d.size() && d[i] == '.') {
        ++i;
        if (i >= d.size() || !isDigit(d[i])) {
            return "null";
        }
        while (i < d.size() && isDigit(d[i])) {
            ++i;
        }
    }
    if (i < d.size() && (d[i] == 'e' || d[i] == 'E')) {
        ++i;
        if (i < d.size() && (d[i] == '+' || d[i] == '-')) {
            ++i;
        }
        if (i >= d.size() || !isDigit(d[i])) {
            return "null";
        }
        while (i < d.size() && isDigit(d[i])) {
            ++i;
        }
    }
    return i == d.size() ? std::string(d) : "null";
}

std::string isoSavedAt(const uint16_t (&t)[8]) {
    const int year = t[0];
    const int month = t[1];
    const int day = t[3];
    static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > kDays[month - 1] ||
        t[4] > 23 || t[5] > 59 || t[6] > 60) {
        return {};
    }
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (month == 2 && day == 29 && !leap) {
        return {};
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", year, month, day, t[4], t[5],
                  t[6]);
    return text;
}

}  // namespace hm
