#include "fleetdata/Settings.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "fleetdata/AtomicFile.h"

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
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::string text(kSettingsReadLimit, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
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

std::filesystem::path configDirectory() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') {
        return xdg;
    }
    return std::filesystem::path(homeDirectory()) / ".config";
}

std::filesystem::path settingsPathFor(const std::filesystem::path& executable) {
    // A portable copy keeps its settings beside the executable: only where such a file is
    // already there and may be rewritten. An installed program (in /usr/bin) never writes there.
    std::filesystem::path beside = executable;
    beside.replace_extension(".ini");
    std::error_code ec;
    const std::filesystem::path folder =
        beside.has_parent_path() ? beside.parent_path() : std::filesystem::path(".");
    if (std::filesystem::is_regular_file(beside, ec) && ::access(folder.c_str(), W_OK) == 0 &&
        ::access(beside.c_str(), W_OK) == 0) {
        return beside;
    }
    return configDirectory() / "haulmetry" / "haulmetry.ini";
}

std::filesystem::path documentsDirectory() {
    const std::string home = homeDirectory();
    // The user's documents folder as xdg-user-dirs records it (the name may be localised):
    // a line XDG_DOCUMENTS_DIR="$HOME/..." or an absolute path.
    std::ifstream dirs(configDirectory() / "user-dirs.dirs");
    std::string line;
    while (std::getline(dirs, line)) {
        constexpr std::string_view key = "XDG_DOCUMENTS_DIR=\"";
        if (!line.starts_with(key) || line.size() < key.size() + 1 || line.back() != '"') {
            continue;
        }
        std::string value = line.substr(key.size(), line.size() - key.size() - 1);
        if (value.starts_with("$HOME/")) {
            value = home + value.substr(5);
        } else if (value == "$HOME" || value.empty() || value[0] != '/') {
            continue;  // "$HOME" alone means the user has no documents folder of its own
        }
        return value;
    }
    return std::filesystem::path(home) / "Documents";
}

std::string defaultDataDirectory() {
    return (documentsDirectory() / "Haulmetry" / "Vehicle Data Files").string();
}

}  // namespace hm
