#include "platform/DataFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/Environment.h"

namespace hm {
namespace {

// The value of a line such as  XDG_DOCUMENTS_DIR="$HOME/Dokumente"  (shell quoting, backslash
// escapes), or nothing when the line names another folder or the value is not absolute.
std::optional<std::string> documentsEntry(std::string_view line, const std::string& home) {
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
        line.remove_prefix(1);
    }
    if (!line.starts_with(kKey)) {
        return std::nullopt;
    }
    line.remove_prefix(kKey.size());
    if (line.size() < 2 || line.front() != '"') {
        return std::nullopt;
    }
    line.remove_prefix(1);
    std::string value;
    bool closed = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            value += line[++i];
        } else if (line[i] == '"') {
            closed = true;
            break;
        } else {
            value += line[i];
        }
    }
    if (!closed) {
        return std::nullopt;
    }
    if (value == "$HOME" || value.starts_with("$HOME/")) {
        value = home + value.substr(5);
    }
    if (value.empty() || value.front() != '/') {
        return std::nullopt;
    }
    while (value.size() > 1 && value.back() == '/') {
        value.pop_back();
    }
    return value;
}

}  // namespace

std::string userHomeDirectory() {
    if (std::optional<std::string> home = envAbsolutePath(EnvVar::Home)) {
        return *home;
    }
    const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
    passwd pw{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &pw, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr && found->pw_dir[0] == '/') {
        return found->pw_dir;
    }
    return "/tmp";
}

std::string userDocumentsDirectory() {
    std::string home = userHomeDirectory();
    while (home.size() > 1 && home.back() == '/') {
        home.pop_back();
    }
    if (home == "/") {
        home.clear();
    }
    std::string config = home + "/.config";
    if (std::optional<std::string> xdg = envAbsolutePath(EnvVar::XdgConfigHome)) {
        config = *xdg;
    }
    const std::string dirsFile = config + "/user-dirs.dirs";
    std::error_code ec;
    if (!std::filesystem::is_regular_file(dirsFile, ec)) {
        return home + "/Documents";  // also keeps a FIFO in its place from blocking the read
    }
    std::ifstream in(dirsFile);
    std::string line;
    std::optional<std::string> found;
    // A small text file; a line longer than any path is not an entry of it.
    while (in && std::getline(in, line) && line.size() < 8192) {
        if (auto entry = documentsEntry(line, home)) {
            found = std::move(entry);  // the last entry wins, as in the shell
        }
    }
    return found.value_or(home + "/Documents");
}

std::string defaultDataDirectory() {
    return userDocumentsDirectory() + "/Haulmetry/Vehicle Data Files/";
}

}  // namespace hm
