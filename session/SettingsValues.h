#pragma once
// What the Settings window shows and hands back, as plain values (no Qt): the settings file's
// data folder and options, and the library settings file's library and workshop identity. The
// window never writes a file itself: the main window applies what it hands back, the settings
// file through the session (Session::changeSettings), the library settings file through the
// LibrarySettingsAccess the program gives it (the main window does not see the library).
#include <functional>
#include <string>
#include <vector>

#include "platform/Settings.h"

namespace hm {

// Where the library in use was chosen, first found wins.
enum class LibrarySource { CommandLine, Environment, SettingsFile, Default };

// The library settings file's part (docs/settings.md has its keys).
struct LibrarySettingsValues {
    std::string library;  // "library=": a PostgreSQL URL or SQLite path (empty: the default)
    std::string workshopName;
    std::vector<std::string> workshopAddress;  // lines
    std::string workshopPhone;
    std::string workshopLogo;  // SVG or PNG file (empty: none)
    bool operator==(const LibrarySettingsValues&) const = default;
};

struct SettingsValues {
    Settings program;  // the settings file: data folder (empty: the default) and the options
    LibrarySettingsValues library;
};

// What the Settings window shows about where the settings live and what is in use; not edited.
struct SettingsFacts {
    std::string settingsPath;       // the settings file (empty: the window has none)
    std::string defaultDataFolder;  // where an empty data folder saves
    bool libraryEditable = false;   // the library settings file can be written from the window
    std::string librarySettingsPath;
    std::string libraryProblem;  // why the library settings file is not used (empty: it is)
    std::string libraryInUse;    // the library the program uses now, without its password
    std::string libraryRefused;  // why that library cannot be used (empty: it can)
    LibrarySource librarySource = LibrarySource::Default;
    // The library address holds a password: the values hold it with "***" in its place, and the
    // window shows it read-only (it is changed in the file itself).
    bool libraryHidesPassword = false;
    // Empty when the file may be the logo; else why not, a sentence. Unset: not checked.
    std::function<std::string(const std::string&)> logoProblem;
};

// How the main window reads and writes the library settings file (the program sets it).
struct LibrarySettingsAccess {
    // Fills the library part of the values and the facts about the library.
    std::function<void(LibrarySettingsValues&, SettingsFacts&)> read;
    // Writes the keys whose values differ between `before` (as read) and `after`, keeping every
    // other line of the file; false with `error`, a sentence.
    std::function<bool(const LibrarySettingsValues& before, const LibrarySettingsValues& after,
                       std::string& error)>
        write;
};

}  // namespace hm
