#include "app/ArgumentBytes.h"

#include <string_view>

#include "platform/FileAccess.h"

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
