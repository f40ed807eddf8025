#pragma once
// The settings file (".ini"): the data directory and the two Yes/No options, its location and
// the default data directory. Plain functions, any thread.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace hm {

struct Settings {
    std::string dataDirectory;  // empty: the current folder
    bool makeTextFile = false;  // write the text export beside each saved data file
    bool infoPopUp = false;     // show the summary message after a load
};

// At most this many bytes of a settings file are read: room for the longest Linux path
// (PATH_MAX) and the three marker lines.
constexpr size_t kSettingsReadLimit = 4096 + 64;

// Reads settings text of any content. The options start off and the data directory keeps the
// value passed in `settings`. After the first 8 characters (the first marker line), the data
// directory is the text before the first '[' less the two characters just before it; after the
// next ']' and the two characters after it, text starting with "Yes" turns `makeTextFile` on; the
// same once more for `infoPopUp`. What the text does not hold keeps its value (directory) or
// stays off (options). Only the bytes up to kSettingsReadLimit count.
void parseSettings(std::string_view text, Settings& settings);

// The whole file content: "[HLM+]\r\n" dir "\r\n[MAKE XL FILE]\r\n" Yes|No "\r\n[INFO POP UP]\r\n"
// Yes|No, without a line end after the last value.
std::string settingsText(const Settings& settings);

// Reads the settings file into `settings` (see parseSettings). When the file cannot be opened,
// only the options are set off and false is returned.
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

// The user's documents folder: XDG_DOCUMENTS_DIR from <configDirectory()>/user-dirs.dirs (which
// may name a localised folder), else $HOME/Documents ($HOME, else the password database's home
// folder).
std::filesystem::path documentsDirectory();

// <documentsDirectory()>/Haulmetry/Vehicle Data Files. Not created here; a save creates it when
// it needs it.
std::string defaultDataDirectory();

}  // namespace hm
