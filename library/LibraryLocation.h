#pragma once
// Where the trailer library lives, and the two settings it reads. Plain functions, any thread.
//
// The library is chosen by, in this order: the command line (`--library URL`), the environment
// variable HAULMETRY_LIBRARY, the line "library=URL" of the library settings file, and else the
// SQLite file $XDG_DATA_HOME/haulmetry/library.sqlite. A URL starting with "postgresql://" or
// "postgres://" names a PostgreSQL database; "sqlite:PATH" or any other text is an SQLite file.
#include <filesystem>
#include <string>

namespace hm::library {

struct Location {
    bool shared = false;             // PostgreSQL (else an SQLite file)
    std::string sqlitePath;          // the SQLite file
    std::string url;                 // the PostgreSQL URL as given
    std::filesystem::path queueDir;  // where items wait while the server cannot be reached
};

// The data folder of the program: $XDG_DATA_HOME/haulmetry when that variable is an absolute
// path, else $HOME/.local/share/haulmetry.
std::filesystem::path dataDirectory();

// The library settings file: <configuration folder>/haulmetry/library.conf, lines "key=value";
// the keys are "library" (the URL) and "workshop" (the workshop name stored with each item).
std::filesystem::path librarySettingsPath();
// The value of `key` in the library settings file; empty when it or the file is missing.
std::string librarySetting(const std::string& key);

// Resolves the library from `commandLine` (empty: not given) and the other sources above.
Location resolveLocation(const std::string& commandLine);

// The URL with its password replaced by "***", for messages.
std::string redactedUrl(const std::string& url);

}  // namespace hm::library
