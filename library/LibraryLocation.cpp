#include "library/LibraryLocation.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QUrl>
#include <QUrlQuery>
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "library/LibrarySettingsFile.h"
#include "platform/DataFolder.h"
#include "platform/Environment.h"
#include "platform/FileAccess.h"
#include "platform/Settings.h"

namespace hm::library {
namespace {

// libpq's connection parameters that the settings file may give (docs/library.md). The ones the
// program sets itself (time-outs, keepalives, options) are not among them.
constexpr std::array<std::string_view, 19> kConnectionKeys = {
    "sslmode",
    "sslrootcert",
    "sslcert",
    "sslkey",
    "sslcrl",
    "sslcrldir",
    "sslsni",
    "sslpassword",
    "ssl_min_protocol_version",
    "passfile",
    "service",
    "channel_binding",
    "gssencmode",
    "krbsrvname",
    "requirepeer",
    "application_name",
    "target_session_attrs",
    "ssl_max_protocol_version",
    "sslcompression",
};

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) {
            return false;
        }
    }
    return true;
}

// True for a value that is meant as an address but is none this program knows: it would
// otherwise become an SQLite file named after it, and nothing would reach the server.
bool unknownAddress(const std::string& url) {
    if (url.empty()) {
        return false;
    }
    if (std::isspace(static_cast<unsigned char>(url.front())) != 0 ||
        std::isspace(static_cast<unsigned char>(url.back())) != 0) {
        return true;
    }
    if (isPostgresUrl(url) || url.starts_with("sqlite:")) {
        return false;
    }
    return startsWithNoCase(url, "postgres") || startsWithNoCase(url, "sqlite:") ||
           url.find("://") != std::string::npos;
}

// `text` with what may be a password in it ("USER:PASSWORD@" after "://", the value of a
// password= or sslpassword= parameter) replaced by "***": for a text that is no valid URL.
std::string maskedText(std::string text) {
    const size_t scheme = text.find("://");
    const size_t at = text.find('@', scheme == std::string::npos ? 0 : scheme);
    if (scheme != std::string::npos && at != std::string::npos) {
        const size_t colon = text.find(':', scheme + 3);
        if (colon != std::string::npos && colon < at) {
            text.replace(colon + 1, at - colon - 1, "***");
        }
    }
    for (const char* key : {"password=", "sslpassword="}) {
        for (size_t pos = text.find(key); pos != std::string::npos; pos = text.find(key, pos + 1)) {
            const size_t begin = pos + std::strlen(key);
            const size_t end = text.find_first_of("& ", begin);
            text.replace(begin, (end == std::string::npos ? text.size() : end) - begin, "***");
        }
    }
    return text;
}

// What names the server and database of `url`, however it is spelt: the host in lower case,
// the port (5432 when not given), the database, and a service name. Not the user or password.
std::string serverKey(const std::string& url) {
    const QUrl parsed(QString::fromStdString(url));
    const QUrlQuery query(parsed);
    return QStringLiteral("%1:%2/%3?service=%4")
        .arg(parsed.host().toLower())
        .arg(parsed.port(5432))
        .arg(parsed.path().mid(1), query.queryItemValue(QStringLiteral("service")))
        .toStdString();
}

std::filesystem::path queueFolder(const std::string& key) {
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray::fromStdString(key), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return dataDirectory() / ("queue-" + hash.toStdString());
}

// Earlier versions named the queue by the URL with "***" for its password.
std::string legacyQueueKey(const std::string& url) {
    QUrl parsed(QString::fromStdString(url));
    if (!parsed.password().isEmpty()) {
        parsed.setPassword(QStringLiteral("***"));
    }
    return parsed.toString().toStdString();
}

void resolveShared(Location& location, bool fromCommandLine,
                   const std::vector<std::pair<std::string, std::string>>& lines) {
    const std::string& url = location.url;
    const QUrl parsed(QString::fromStdString(url), QUrl::StrictMode);
    if (!parsed.isValid() || parsed.path().count(QLatin1Char('/')) > 1) {
        location.refused = QCoreApplication::translate("hm::Library",
                                                       "%1 is not a valid PostgreSQL address "
                                                       "(postgresql://USER@HOST:PORT/DATABASE)")
                               .arg(QString::fromStdString(redactedUrl(url)))
                               .toStdString();
        return;
    }
    if (fromCommandLine && holdsPassword(url)) {
        location.refused =
            QCoreApplication::translate(
                "hm::Library",
                "a password on the command line can be read by every user of this computer; "
                "give it in ~/.pgpass or in the library settings (mode 0600) instead")
                .toStdString();
        return;
    }
    for (const auto& [key, value] : lines) {
        if (key == "password") {
            location.password = value;
        } else if (std::find(kConnectionKeys.begin(), kConnectionKeys.end(), key) !=
                   kConnectionKeys.end()) {
            location.parameters.emplace_back(key, value);
        }
    }
    location.queueDir = queueFolder(serverKey(url));
    location.legacyQueueDir = queueFolder(legacyQueueKey(url));
}

}  // namespace

Location sqliteLocation(const std::string& path) {
    Location location;
    location.sqlitePath = path;
    return location;
}

std::filesystem::path dataDirectory() {
    if (const std::optional<std::string> xdg = envAbsolutePath(EnvVar::XdgDataHome)) {
        return std::filesystem::path(*xdg) / "haulmetry";
    }
    return std::filesystem::path(userHomeDirectory()) / ".local" / "share" / "haulmetry";
}

std::filesystem::path librarySettingsPath() {
    return configDirectory() / "haulmetry" / "library.conf";
}

std::string librarySettingsProblem() {
    std::vector<std::pair<std::string, std::string>> lines;
    std::string problem;
    readLibrarySettings(lines, problem);
    return problem;
}

std::string librarySetting(const std::string& key) {
    std::vector<std::pair<std::string, std::string>> lines;
    std::string problem;
    readLibrarySettings(lines, problem);
    for (const auto& [k, value] : lines) {
        if (k == key) {
            return value;
        }
    }
    return {};
}

Location resolveLocation(const std::string& commandLine) {
    std::vector<std::pair<std::string, std::string>> lines;
    std::string problem;
    const bool settingsUsable = readLibrarySettings(lines, problem);
    std::string url = commandLine;
    if (url.empty()) {
        url = envValue(EnvVar::Library).value_or(std::string());
    }
    for (const auto& [key, value] : lines) {
        if (url.empty() && key == "library") {
            url = value;
        }
    }
    Location location;
    if (!settingsUsable) {
        location.refused = problem;
    } else if (unknownAddress(url)) {
        location.refused = QCoreApplication::translate(
                               "hm::Library",
                               "%1 is not a library address this program knows (postgresql://"
                               "HOST/DATABASE, postgres://..., sqlite:FILE or a file name)")
                               .arg(QString::fromStdString(printablePath(redactedUrl(url))))
                               .toStdString();
    }
    if (isPostgresUrl(url)) {
        location.shared = true;
        location.url = url;
        if (location.refused.empty()) {
            resolveShared(location, !commandLine.empty(), lines);
        }
        return location;
    }
    if (url.starts_with("sqlite:")) {
        url.erase(0, 7);
    }
    location.sqlitePath = url.empty() ? (dataDirectory() / "library.sqlite").string() : url;
    return location;
}

LocationSource locationSource(const std::string& commandLine) {
    if (!commandLine.empty()) {
        return LocationSource::CommandLine;
    }
    if (!envValue(EnvVar::Library).value_or(std::string()).empty()) {
        return LocationSource::Environment;
    }
    return librarySetting("library").empty() ? LocationSource::Default
                                             : LocationSource::SettingsFile;
}

std::string redactedUrl(const std::string& url) {
    QUrl parsed(QString::fromStdString(url));
    if (!parsed.isValid() || url.find_first_of(" \t") != std::string::npos) {
        return maskedText(url);
    }
    if (!parsed.password().isEmpty()) {
        parsed.setPassword(QStringLiteral("***"));
    }
    QUrlQuery query(parsed);
    bool changed = false;
    for (auto [key, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (isSecretKey(key.toStdString())) {
            query.removeAllQueryItems(key);
            query.addQueryItem(key, QStringLiteral("***"));
            changed = true;
        }
    }
    if (changed) {
        parsed.setQuery(query);
    }
    return parsed.toString().toStdString();
}

}  // namespace hm::library
