#include "app/ArgumentBytes.h"

#include <string_view>

#include "fleetdata/FileAccess.h"

namespace hm {

namespace {

// Only bytes 0x80..0xFF can fail to decode, so escaped bytes are the units 0xDC80..0xDCFF.
constexpr char16_t kEscapedByteBase = 0xDC00;

// True for a unit of `text` that stands for an escaped byte: a low surrogate in the escape range
// without the high surrogate that would make it half of a real character.
bool isEscapedByte(const QString& text, qsizetype i) {
    const char16_t unit = text.at(i).unicode();
    return unit >= kEscapedByteBase + 0x80 && unit <= kEscapedByteBase + 0xFF &&
           (i == 0 || !text.at(i - 1).isHighSurrogate());
}

// Length of the well-formed UTF-8 sequence at the start of `s`, 0 when there is none.
size_t utf8Length(std::string_view s) {
    const auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = b(0);
    size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (s.size() < length || b(1) < low || b(1) > high) {
        return 0;
    }
    for (size_t i = 2; i < length; ++i) {
        if (b(i) < 0x80 || b(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

}  // namespace

QString argumentText(const char* bytes) {
    std::string_view rest(bytes);
    QString text;
    while (!rest.empty()) {
        const size_t length = utf8Length(rest);
        if (length == 0) {
            text += QChar(
                static_cast<char16_t>(kEscapedByteBase + static_cast<unsigned char>(rest.front())));
            rest.remove_prefix(1);
        } else {
            text += QString::fromUtf8(rest.data(), static_cast<qsizetype>(length));
            rest.remove_prefix(length);
        }
    }
    return text;
}

QStringList argumentsFromArgv(int argc, char** argv, int first) {
    QStringList args;
    for (int i = first; i < argc; ++i) {
        args << argumentText(argv[i]);
    }
    return args;
}

std::string argumentBytes(const QString& path) {
    std::string bytes;
    qsizetype start = 0;
    auto flushText = [&](qsizetype end) {
        if (end > start) {
            bytes += path.mid(start, end - start).toStdString();
        }
    };
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (isEscapedByte(path, i)) {
            flushText(i);
            bytes += static_cast<char>(path.at(i).unicode() - kEscapedByteBase);
            start = i + 1;
        }
    }
    flushText(path.size());
    return bytes;
}

QString displayArgument(const QString& path) {
    return QString::fromStdString(printablePath(argumentBytes(path)));
}

}  // namespace hm
