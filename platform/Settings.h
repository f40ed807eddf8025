#pragma once
// The settings file (".ini"): the data directory and the two Yes/No options, and its location
// (the default data folder is in DataFolder.h). Plain functions, any thread.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace hm {

struct Settings {
    std::string dataDirectory;  // empty: the default data folder (defaultDataDirectory())
    bool makeTextFile = false;  // write the text export beside each saved data file
    bool infoPopUp = false;     // show the summary message after a load
};

// At most this many bytes of a settings file are read: room for the longest Linux path
// (PATH_MAX) and the three marker lines.
constexpr size_t kSettingsReadLimit = 4096 + 64;

// Reads settings text of any content, with "\r\n" or "\n" line ends. The options start off.
// Line 0 is the file's marker and line 1 starts the data directory. The line "[MAKE XL FILE]"
// after it (else the first later line that is a whole marker, starting with '[' and ending with
// ']') ends the directory: the directory is everything from line 1 up to that marker line less
// the line end before it, so a folder with brackets in its name reads back as written. The line
// after that marker starting with "Yes" turns `makeTextFile` on, the line after the next marker
// ("[INFO POP UP]", else any) `infoPopUp`. Without such a marker the data directory keeps the
// value passed in. Only the bytes up to kSettingsReadLimit count.
void parseSettings(std::string_view text, Settings& settings);

// The whole file content: "[HLM+]\r\n" dir "\r\n[MAKE XL FILE]\r\n" Yes|No "\r\n[INFO POP UP]\r\n"
// Yes|No, without a line end after the last value.
std::string settingsText(const Settings& settings);

// Reads the settings file into `settings` (see parseSettings). When the file cannot be opened or
// is not a regular file (a FIFO is never waited on), only the options are set off and false is
// returned.
bool readSettingsFile(const std::filesystem::path& path, Settings& settings);

// Writes settingsText(settings) through a temporary file renamed into place, creating the
// settings folder when missing. Returns false with `error` set.
bool writeSettingsFile(const std::filesystem::path& path, const Settings& settings,
                       std::string& error);

// The user's configuration folder: $XDG_CONFIG_HOME when absolute, else $HOME/.config.
std::filesystem::path configDirectory();

// Where the settings file lives: "<executable>.ini" next to the executable (the executable's
// extension, if any, replaced) only when that file already exists and both it and its folder
// are writable (a portable copy); otherwise <configDirectory()>/haulmetry/haulmetry.ini.
std::filesystem::path settingsPathFor(const std::filesystem::path& executable);

}  // namespace hm
