#include "platform/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "resources/Strings.h"

// Marks a text for Qt's lupdate, which reads this file's tokens; translated where it is used.
#define QT_TRANSLATE_NOOP(context, text) text

namespace hm {
namespace {

// The kind of a file in the installed language (the texts marked in fileKindText).
std::string translateKind(const char* kind) {
    return translate("hm::FileAccess", kind);
}

std::string notRegular(mode_t mode) {
    if (S_ISDIR(mode)) {
        return translate("hm::FileAccess", "is a folder");  // the short form users know
    }
    return fillPlaceholders(translate("hm::FileAccess", "is %1, not a regular file"),
                            {fileKindText(mode)});
}

}  // namespace

size_t utf8Sequence(std::string_view s, char32_t& cp) {
    const auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = b(0);
    size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (s.size() < length) {
        return 0;
    }
    for (size_t i = 1; i < length; ++i) {
        const unsigned char c = b(i);
        if (c < (i == 1 ? low : 0x80) || c > (i == 1 ? high : 0xBF)) {
            return 0;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    return length;
}

std::string fileKindText(mode_t mode) {
    static constexpr std::pair<mode_t, const char*> kKinds[] = {
        {S_IFREG, QT_TRANSLATE_NOOP("hm::FileAccess", "a regular file")},
        {S_IFDIR, QT_TRANSLATE_NOOP("hm::FileAccess", "a folder")},
        {S_IFIFO, QT_TRANSLATE_NOOP("hm::FileAccess", "a FIFO")},
        {S_IFCHR, QT_TRANSLATE_NOOP("hm::FileAccess", "a character device")},
        {S_IFBLK, QT_TRANSLATE_NOOP("hm::FileAccess", "a block device")},
        {S_IFSOCK, QT_TRANSLATE_NOOP("hm::FileAccess", "a socket")},
        {S_IFLNK, QT_TRANSLATE_NOOP("hm::FileAccess", "a symbolic link")},
    };
    const char* kind = QT_TRANSLATE_NOOP("hm::FileAccess", "not a file");
    for (const auto& [type, text] : kKinds) {
        if ((mode & S_IFMT) == type) {
            kind = text;
        }
    }
    return translateKind(kind);
}

namespace {

// Opens `path` with `flags` (plus O_NONBLOCK, so a FIFO never blocks the open) only when it is a
// regular file. The check before the open keeps us from opening a device at all (opening a
// terminal can change its modem lines); the fstat after it closes the gap between the two.
int openIfRegular(const std::filesystem::path& path, int flags, std::string& error) {
    struct stat before {};
    if (::stat(path.c_str(), &before) == 0 && !S_ISREG(before.st_mode)) {
        error = notRegular(before.st_mode);
        return -1;
    }
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = translate("hm::FileAccess", "cannot open: ") + std::strerror(errno);
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        error = translate("hm::FileAccess", "cannot open: ") + std::strerror(errno);
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        error = notRegular(st.st_mode);
        ::close(fd);
        return -1;
    }
    // A regular file never blocks; blocking mode keeps short reads out of the callers' way.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

}  // namespace

int openRegularFile(const std::filesystem::path& path, std::string& error) {
    return openIfRegular(path, O_RDONLY, error);
}

int openRegularFileForWriting(const std::filesystem::path& path, std::string& error) {
    // No O_TRUNC: the file is emptied only once it is known to be a regular file.
    const int fd = openIfRegular(path, O_WRONLY | O_CREAT, error);
    if (fd >= 0 && ::ftruncate(fd, 0) != 0) {
        error = translate("hm::FileAccess", "cannot empty the file: ") + std::strerror(errno);
        ::close(fd);
        return -1;
    }
    return fd;
}

bool readRegularFile(const std::filesystem::path& path, size_t limit, std::string& bytes,
                     std::string& error) {
    const int fd = openRegularFile(path, error);
    if (fd < 0) {
        return false;
    }
    bytes.assign(limit, '\0');
    size_t got = 0;
    while (got < limit) {
        const ssize_t n = ::read(fd, bytes.data() + got, limit - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = translate("hm::FileAccess", "cannot read: ") + std::strerror(errno);
            ::close(fd);
            return false;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    return true;
}

namespace {

// Characters that are never shown raw: the C0 and C1 controls and DEL, and the controls of
// bidirectional text (marks, embeddings, overrides, isolates), which would reorder what
// follows them (abc U+202E fdp.exe reads as abcexe.pdf).
bool hiddenControl(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x061C || cp == 0x200E ||
           cp == 0x200F || (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069);
}

}  // namespace

std::string printablePath(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        char32_t cp = 0;
        const size_t length = utf8Sequence(bytes, cp);
        if (length == 1 && cp == '\\') {
            // The escape character itself is escaped, so that the text "\x0A" and a line feed
            // are told apart.
            out += "\\\\";
            bytes.remove_prefix(1);
            continue;
        }
        if (length == 0 || hiddenControl(cp)) {
            const size_t raw = length == 0 ? 1 : length;
            for (size_t i = 0; i < raw; ++i) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(bytes[i]));
                out += hex;
            }
            bytes.remove_prefix(raw);
            continue;
        }
        out.append(bytes.substr(0, length));
        bytes.remove_prefix(length);
    }
    return out;
}

}  // namespace hm
