#include "fleetdata/Settings.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "fleetdata/AtomicFile.h"
#include "fleetdata/FileAccess.h"

namespace hm {
namespace {

constexpr std::string_view kFirstMarker = "[HLM+]\r\n";

// Drops everything up to and including the first ']' at or after `from` and the two characters
// after it (the line end); true when the rest starts with "Yes". `text` becomes the rest, or
// empty when there is no ']'.
bool nextOption(std::string_view& text, size_t from) {
    const size_t close = text.find(']', from);
    if (close == std::string_view::npos) {
        text = {};
        return false;
    }
    text.remove_prefix(std::min(close + 3, text.size()));
    return text.starts_with("Yes");
}

std::string homeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        return home;
    }
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
    passwd pw{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &pw, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr) {
        return found->pw_dir;
    }
    return "/tmp";
}

}  // namespace

void parseSettings(std::string_view text, Settings& settings) {
    settings.makeTextFile = false;
    settings.infoPopUp = false;
    text = text.substr(0, std::min(text.size(), kSettingsReadLimit));
    // The text ends at its first zero byte, as a C string read from the file would.
    text = text.substr(0, text.find('\0'));
    text.remove_prefix(std::min(kFirstMarker.size(), text.size()));

    const size_t open = text.find('[');
    if (open != std::string_view::npos) {
        settings.dataDirectory = std::string(text.substr(0, open >= 2 ? open - 2 : 0));
    }
    // The ']' of the second marker is searched from its '[' on, so a ']' inside the data
    // directory does not cut the file short.
    settings.makeTextFile = nextOption(text, open == std::string_view::npos ? 0 : open);
    settings.infoPopUp = nextOption(text, 0);
}

std::string settingsText(const Settings& settings) {
    std::string text(kFirstMarker);
    text += settings.dataDirectory;
    text += "\r\n[MAKE XL FILE]\r\n";
    text += settings.makeTextFile ? "Yes" : "No";
    text += "\r\n[INFO POP UP]\r\n";
    text += settings.infoPopUp ? "Yes" : "No";
    return text;
}

bool readSettingsFile(const std::filesystem::path& path, Settings& settings) {
    settings.makeTextFile = false;
    settings.infoPopUp = false;
    std::string text;
    std::string error;
    if (!readRegularFile(path, kSettingsReadLimit, text, error)) {
        return false;
    }
    parseSettings(text, settings);
    return true;
}

bool writeSettingsFile(const std::filesystem::path& path, const Settings& settings,
                       std::string& error) {
    if (path.has_parent_path() && !ensureDirectory(path.parent_path(), error)) {
        return false;
    }
    const std::string text = settingsText(settings);
    return writeFileAtomic(path, text.data(), text.size(), error);
}

std::filesystem::path settingsPathFor(const std::filesystem::path& executable) {
    std::filesystem::path beside = executable;
    beside.replace_extension(".ini");
    std::error_code ec;
    const std::filesystem::path folder =
        beside.has_parent_path() ? beside.parent_path() : std::filesystem::path(".");
    if (std::filesystem::exists(beside, ec) || ::access(folder.c_str(), W_OK) == 0) {
        return beside;
    }
    std::filesystem::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') {
        config = xdg;
    } else {
        config = std::filesystem::path(homeDirectory()) / ".config";
    }
    return config / "haulmetry" / "haulmetry.ini";
}

std::string defaultDataDirectory() {
    return (std::filesystem::path(homeDirectory()) / "Documents" / "Haulmetry" /
            "Vehicle Data Files")
        .string();
}

}  // namespace hm
