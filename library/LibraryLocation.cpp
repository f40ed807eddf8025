#include "library/LibraryLocation.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QUrl>
#include <cstdlib>
#include <string_view>

#include "platform/DataFolder.h"
#include "platform/Environment.h"
#include "platform/FileAccess.h"
#include "platform/Settings.h"

namespace hm::library {
namespace {

// A settings file is a few short lines; more is not read.
constexpr size_t kSettingsLimit = 16 * 1024;

bool isPostgresUrl(std::string_view url) {
    return url.starts_with("postgresql://") || url.starts_with("postgres://");
}

}  // namespace

std::filesystem::path dataDirectory() {
    if (const std::optional<std::string> xdg = envAbsolutePath(EnvVar::XdgDataHome)) {
        return std::filesystem::path(*xdg) / "haulmetry";
    }
    return std::filesystem::path(userHomeDirectory()) / ".local" / "share" / "haulmetry";
}

std::filesystem::path librarySettingsPath() {
    return configDirectory() / "haulmetry" / "library.conf";
}

std::string librarySetting(const std::string& key) {
    std::string text;
    std::string error;
    if (!readRegularFile(librarySettingsPath(), kSettingsLimit, text, error)) {
        return {};
    }
    std::string_view rest(text);
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.size() > key.size() && line.starts_with(key) && line[key.size()] == '=') {
            return std::string(line.substr(key.size() + 1));
        }
    }
    return {};
}

Location resolveLocation(const std::string& commandLine) {
    std::string url = commandLine;
    if (url.empty()) {
        url = envValue(EnvVar::Library).value_or(std::string());
    }
    if (url.empty()) {
        url = librarySetting("library");
    }
    Location location;
    if (isPostgresUrl(url)) {
        location.shared = true;
        location.url = url;
        // One queue per server and database, so that a queue is never sent to another library.
        const QByteArray key = QCryptographicHash::hash(QByteArray::fromStdString(redactedUrl(url)),
                                                        QCryptographicHash::Sha256)
                                   .toHex()
                                   .left(16);
        location.queueDir = dataDirectory() / ("queue-" + key.toStdString());
        return location;
    }
    if (url.starts_with("sqlite:")) {
        url.erase(0, 7);
    }
    location.sqlitePath = url.empty() ? (dataDirectory() / "library.sqlite").string() : url;
    return location;
}

std::string redactedUrl(const std::string& url) {
    QUrl parsed(QString::fromStdString(url));
    if (!parsed.isValid()) {
        return QCoreApplication::translate("hm::Library", "(an unreadable URL)").toStdString();
    }
    if (!parsed.password().isEmpty()) {
        parsed.setPassword(QStringLiteral("***"));
    }
    return parsed.toString().toStdString();
}

}  // namespace hm::library
