#pragma once
// Where the trailer library lives, and the settings it reads. Plain functions, any thread.
//
// The library is chosen by, in this order: the command line (`--library URL`), the environment
// variable HAULMETRY_LIBRARY, the line "library=URL" of the library settings file, and else the
// SQLite file $XDG_DATA_HOME/haulmetry/library.sqlite. A URL starting with "postgresql://" or
// "postgres://" names a PostgreSQL database; "sqlite:PATH" or a plain file name is an SQLite
// file. Anything else that looks like an address ("PostgreSQL://", "postgresql:/", "mysql://",
// a leading or trailing blank) is refused rather than taken for a file name.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace hm::library {

struct Location {
    bool shared = false;             // PostgreSQL (else an SQLite file)
    std::string sqlitePath;          // the SQLite file
    std::string url;                 // the PostgreSQL URL as given
    std::filesystem::path queueDir;  // where items wait while the server cannot be reached
    std::string password;            // password= of the settings file (mode 0600 only)
    // libpq connection parameters of the settings file (sslmode=, sslrootcert=, ...); those of
    // the URL's query come after them and win.
    std::vector<std::pair<std::string, std::string>> parameters;
    // The queue folder that earlier versions named by the whole URL; sent from as well.
    std::filesystem::path legacyQueueDir;
    std::string refused;  // not empty: why this library may not be used (a translated text)
};

// The SQLite library at `path`.
Location sqliteLocation(const std::string& path);

// The data folder of the program: $XDG_DATA_HOME/haulmetry when that variable is an absolute
// path, else $HOME/.local/share/haulmetry.
std::filesystem::path dataDirectory();

// The library settings file: <configuration folder>/haulmetry/library.conf, lines "key=value";
// the keys are "library" (the URL), "workshop" (the workshop name stored with each item of a
// library this user owns), "password" and libpq's connection parameters (docs/library.md).
// The file is used only when it is a regular file (no symbolic link, no FIFO) of this user that
// nobody else may write, and, when it holds a password, nobody else may read (mode 0600).
std::filesystem::path librarySettingsPath();
// Empty when the settings file is missing or may be used; else why it is refused.
std::string librarySettingsProblem();
// The value of `key` in the library settings file; empty when it or the file is missing, or
// the file is refused.
std::string librarySetting(const std::string& key);

// Resolves the library from `commandLine` (empty: not given) and the other sources above. A
// password in a URL given on the command line is refused (any user may list command lines).
Location resolveLocation(const std::string& commandLine);

// Which of the sources above chose the library for `commandLine` (empty: not given): the
// first that names one. A settings file that is refused names none.
enum class LocationSource { CommandLine, Environment, SettingsFile, Default };
LocationSource locationSource(const std::string& commandLine);

// The URL with its password (also a password= or sslpassword= parameter) replaced by "***",
// for every message, notice and log.
std::string redactedUrl(const std::string& url);

}  // namespace hm::library
