#include "platform/Settings.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/DataFolder.h"
#include "platform/Environment.h"
#include "platform/FileAccess.h"

namespace hm {
namespace {

constexpr std::string_view kFirstMarker = "[HLM+]\r\n";

// The text split into lines at '\n', each without its line end ("\n" or "\r\n"). `begin` is the
// offset of the line in the text; `next` the offset just after its line end.
struct Line {
    std::string_view text;
    size_t begin = 0;
    size_t next = 0;
};

std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    size_t at = 0;
    while (at < text.size()) {
        const size_t feed = text.find('\n', at);
        const size_t end = feed == std::string_view::npos ? text.size() : feed;
        std::string_view line = text.substr(at, end - at);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        const size_t next = feed == std::string_view::npos ? text.size() : feed + 1;
        lines.push_back(Line{line, at, next});
        at = next;
    }
    return lines;
}

// A marker is a whole line in brackets, such as "[MAKE XL FILE]". A folder name that merely
// contains brackets ("/home/u/data [2024]/") is not one.
bool isMarker(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

}  // namespace

void parseSettings(std::string_view text, Settings& settings) {
    settings.makeTextFile = false;
    settings.infoPopUp = false;
    text = text.substr(0, std::min(text.size(), kSettingsReadLimit));
    // The text ends at its first zero byte, as a C string read from the file would.
    text = text.substr(0, text.find('\0'));

    // Line 0 is the file's own marker; the folder runs from line 1 up to the first marker line
    // after it (without the line end before that marker), and each option is the line after
    // the next two markers.
    const std::vector<Line> lines = splitLines(text);
    // The marker of this program's own files is looked for by name first, so that even a folder
    // line in brackets cannot pass for it; a file from elsewhere may name its markers otherwise.
    auto findMarker = [&](size_t from, std::string_view name) {
        size_t any = lines.size();
        for (size_t i = from; i < lines.size(); ++i) {
            if (lines[i].text == name) {
                return i;
            }
            if (any == lines.size() && isMarker(lines[i].text)) {
                any = i;
            }
        }
        return any;
    };
    // Line 1 is the folder even when it looks like a marker ("[2024]"): the file always has it.
    const size_t first = findMarker(2, "[MAKE XL FILE]");
    if (first >= lines.size()) {
        return;
    }
    const size_t second = findMarker(first + 1, "[INFO POP UP]");
    const size_t begin = lines[1].begin;
    const size_t end = lines[first - 1].begin + lines[first - 1].text.size();
    settings.dataDirectory = std::string(text.substr(begin, end - begin));
    auto optionAfter = [&](size_t marker) {
        return marker + 1 < lines.size() && lines[marker + 1].text.starts_with("Yes");
    };
    settings.makeTextFile = optionAfter(first);
    settings.infoPopUp = second < lines.size() && optionAfter(second);
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

std::filesystem::path configDirectory() {
    if (std::optional<std::string> xdg = envAbsolutePath(EnvVar::XdgConfigHome)) {
        return *xdg;
    }
    return std::filesystem::path(userHomeDirectory()) / ".config";
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

}  // namespace hm
