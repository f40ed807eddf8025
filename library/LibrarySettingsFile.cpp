#include "library/LibrarySettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QString>
#include <QUrl>
#include <QUrlQuery>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>

#include "library/LibraryLocation.h"
#include "platform/AtomicFile.h"
#include "platform/FileAccess.h"

namespace hm::library {
namespace {

std::string modeText(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

QString pathText(const std::filesystem::path& path) {
    return QString::fromStdString(printablePath(path.string()));
}

// Why the settings file with the status `st` may be neither read nor written; empty when it
// may. A file that others may write is refused for reading only (a write takes that right away).
QString fileRefusal(const struct stat& st) {
    if (S_ISLNK(st.st_mode)) {
        return QCoreApplication::translate("hm::Library", "it is a symbolic link");
    }
    if (!S_ISREG(st.st_mode)) {
        return QCoreApplication::translate("hm::Library", "it is %1, not a regular file")
            .arg(QString::fromStdString(fileKindText(st.st_mode)));
    }
    if (st.st_uid != ::geteuid()) {
        return QCoreApplication::translate("hm::Library", "it belongs to another user (uid %1)")
            .arg(st.st_uid);
    }
    return {};
}

// Reads the whole settings file at `path` into `text`; false with `why` when it is too long or
// cannot be read.
bool readWhole(const std::filesystem::path& path, std::string& text, QString& why) {
    std::string error;
    if (!readRegularFile(path, kLibrarySettingsLimit + 1, text, error)) {
        why = QString::fromStdString(error);
        return false;
    }
    if (text.size() > kLibrarySettingsLimit) {
        why = QCoreApplication::translate("hm::Library", "it is longer than %1 bytes")
                  .arg(kLibrarySettingsLimit);
        return false;
    }
    return true;
}

}  // namespace

bool isPostgresUrl(std::string_view url) {
    return url.starts_with("postgresql://") || url.starts_with("postgres://");
}

bool isSecretKey(std::string_view key) {
    return key == "password" || key == "sslpassword";
}

bool holdsPassword(const std::string& url) {
    const QUrl parsed(QString::fromStdString(url));
    if (!parsed.password().isEmpty()) {
        return true;
    }
    const QUrlQuery query(parsed);
    return query.hasQueryItem(QStringLiteral("password")) ||
           query.hasQueryItem(QStringLiteral("sslpassword"));
}

bool holdsSecret(const SettingLines& lines) {
    for (const auto& [key, value] : lines) {
        if (isSecretKey(key) && !value.empty()) {
            return true;
        }
        if (key == "library" && isPostgresUrl(value) && holdsPassword(value)) {
            return true;
        }
    }
    return false;
}

SettingLines settingLines(std::string_view rest) {
    SettingLines lines;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const size_t eq = line.find('=');
        if (eq != std::string_view::npos && eq > 0) {
            lines.emplace_back(std::string(line.substr(0, eq)), std::string(line.substr(eq + 1)));
        }
    }
    return lines;
}

bool readLibrarySettings(SettingLines& lines, std::string& problem) {
    lines.clear();
    const std::filesystem::path path = librarySettingsPath();
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        return true;  // no settings file: nothing set
    }
    QString why = fileRefusal(st);
    if (why.isEmpty() && (st.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        why = QCoreApplication::translate("hm::Library", "others may write it (mode %1)")
                  .arg(QString::fromStdString(modeText(st.st_mode)));
    }
    std::string text;
    if (why.isEmpty() && readWhole(path, text, why)) {
        lines = settingLines(text);
        if (holdsSecret(lines) && (st.st_mode & 077) != 0) {
            why = QCoreApplication::translate(
                      "hm::Library",
                      "it holds a password but others may read it (mode %1; chmod 600 makes it "
                      "yours alone)")
                      .arg(QString::fromStdString(modeText(st.st_mode)));
        }
    }
    if (!why.isEmpty()) {
        lines.clear();
        problem =
            QCoreApplication::translate("hm::Library", "the library settings %1 are not used: %2")
                .arg(pathText(path), why)
                .toStdString();
        return false;
    }
    return true;
}

namespace {

// One line of a settings file as it stands: its bytes without the line end, and the line end.
struct RawLine {
    std::string_view body;
    std::string_view end;  // "\n", "\r\n" or "" (the last line without one)
};

std::vector<RawLine> rawLines(std::string_view rest) {
    std::vector<RawLine> lines;
    while (!rest.empty()) {
        const size_t nl = rest.find('\n');
        if (nl == std::string_view::npos) {
            lines.push_back({rest, {}});
            break;
        }
        const bool cr = nl > 0 && rest[nl - 1] == '\r';
        lines.push_back(
            {rest.substr(0, cr ? nl - 1 : nl), rest.substr(cr ? nl - 1 : nl, cr ? 2 : 1)});
        rest.remove_prefix(nl + 1);
    }
    return lines;
}

const std::string* valueFor(const SettingLines& values, std::string_view key) {
    for (const auto& [k, v] : values) {
        if (k == key) {
            return &v;
        }
    }
    return nullptr;
}

}  // namespace

std::string withSettings(std::string_view text, const SettingLines& values) {
    const std::vector<RawLine> lines = rawLines(text);
    const std::string eol = !lines.empty() && lines.front().end == "\r\n" ? "\r\n" : "\n";
    std::vector<std::pair<std::string, std::string>> out;  // body and line end
    std::set<std::string, std::less<>> written;
    const auto add = [&](std::string_view key, const std::string& value) {
        if (!value.empty() && written.insert(std::string(key)).second) {
            out.emplace_back(std::string(key) + "=" + value, eol);
        }
    };
    for (const RawLine& line : lines) {
        const size_t eq = line.body.find('=');
        const std::string_view key =
            eq == std::string_view::npos ? std::string_view() : line.body.substr(0, eq);
        const std::string* value = key.empty() ? nullptr : valueFor(values, key);
        if (value == nullptr) {
            out.emplace_back(std::string(line.body), std::string(line.end));
        } else {
            add(key, *value);
        }
    }
    for (const auto& [key, value] : values) {
        add(key, value);
    }
    std::string joined;
    for (size_t i = 0; i < out.size(); ++i) {
        // A line without a line end stays without one only as the last line.
        const bool last = i + 1 == out.size();
        joined.append(out[i].first).append(out[i].second.empty() && !last ? eol : out[i].second);
    }
    return joined;
}

namespace {

// Why `values` may not be written as lines of a settings file; empty when they may.
QString badValue(const SettingLines& values) {
    for (const auto& [key, value] : values) {
        if (key.empty() || key.find_first_of("=\r\n") != std::string::npos ||
            key.find('\0') != std::string::npos) {
            return QCoreApplication::translate("hm::Library",
                                               "the key \"%1\" cannot be a line of it")
                .arg(QString::fromStdString(printablePath(key)));
        }
        if (value.find_first_of("\r\n") != std::string::npos ||
            value.find('\0') != std::string::npos) {
            return QCoreApplication::translate("hm::Library", "the value of %1 holds a line end")
                .arg(QString::fromStdString(key));
        }
    }
    return {};
}

// Sets the mode of the existing regular file `path` (never through a symbolic link).
bool setMode(const std::filesystem::path& path, mode_t mode, QString& why) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    const bool done = fd >= 0 && ::fchmod(fd, mode) == 0;
    const int error = errno;
    if (fd >= 0) {
        ::close(fd);
    }
    if (!done) {
        why = QString::fromLocal8Bit(std::strerror(error));
    }
    return done;
}

// Creates the empty file `path` with `mode` (exactly, whatever the umask); false with `why`.
bool createEmpty(const std::filesystem::path& path, mode_t mode, QString& why) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) {
        why = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const bool done = ::fchmod(fd, mode) == 0;
    const int error = errno;
    ::close(fd);
    if (!done) {
        why = QString::fromLocal8Bit(std::strerror(error));
        ::unlink(path.c_str());
    }
    return done;
}

// Writes `text` to the settings file `path`, whose status before is `st` (`exists` false: there
// was none), with the mode the file rules ask for; false with `why`.
bool replaceSettings(const std::filesystem::path& path, bool exists, const struct stat& st,
                     const std::string& text, QString& why) {
    mode_t mode = exists ? (st.st_mode & 07777 & ~static_cast<mode_t>(S_IWGRP | S_IWOTH)) : 0644;
    if (holdsSecret(settingLines(text))) {
        mode = 0600;
    }
    // The mode is set before the new content exists, so a password is never readable by others.
    if (exists ? ((st.st_mode & 07777) != mode && !setMode(path, mode, why))
               : !createEmpty(path, mode, why)) {
        return false;
    }
    std::string error;
    if (!writeFileAtomic(path, text.data(), text.size(), error)) {
        why = QString::fromStdString(error);
        if (!exists) {
            ::unlink(path.c_str());
        }
        return false;
    }
    return true;
}

}  // namespace

bool writeLibrarySettings(const SettingLines& values, std::string& error) {
    const std::filesystem::path path = librarySettingsPath();
    QString why = badValue(values);
    std::string folderError;
    if (why.isEmpty() && !ensureDirectory(path.parent_path(), folderError)) {
        why = QString::fromStdString(folderError);
    }
    struct stat st {};
    const bool exists = why.isEmpty() && ::lstat(path.c_str(), &st) == 0;
    std::string text;
    if (exists) {
        why = fileRefusal(st);
        if (why.isEmpty()) {
            readWhole(path, text, why);
        }
    }
    if (why.isEmpty()) {
        replaceSettings(path, exists, st, withSettings(text, values), why);
    }
    if (why.isEmpty()) {
        return true;
    }
    error =
        QCoreApplication::translate("hm::Library", "Could not write the library settings %1: %2")
            .arg(pathText(path), why)
            .toStdString();
    return false;
}

}  // namespace hm::library
