#pragma once
// The library settings file (librarySettingsPath(), lines "key=value"): reading it under its
// file rules, and writing keys back into it. Plain functions, any thread (a write replaces the
// file, so two writers at once keep the last one's keys).
//
// Reading: the file is used only when it is a regular file (no symbolic link, no FIFO) of this
// user that nobody else may write, of at most kLibrarySettingsLimit bytes, and, when it holds a
// password, that nobody else may read (mode 0600). Writing keeps every other line as it is.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hm::library {

// The "key=value" lines of a settings file, in their order (a key may appear twice).
using SettingLines = std::vector<std::pair<std::string, std::string>>;

// A settings file is a few short lines; a longer file is refused, for reading and writing.
constexpr size_t kLibrarySettingsLimit = 16 * 1024;

// True for "postgresql://..." and "postgres://...".
bool isPostgresUrl(std::string_view url);
// True for the keys whose value is a secret ("password", "sslpassword").
bool isSecretKey(std::string_view key);
// True when the PostgreSQL URL `url` names a password (in its user part or as a parameter).
bool holdsPassword(const std::string& url);
// True when `lines` hold a password (a secret key with a value, or a library URL with one).
bool holdsSecret(const SettingLines& lines);

// The "key=value" lines of `text`: "\n" or "\r\n" line ends; a line without '=' or with an
// empty key is no setting and left out. Values are the bytes after the first '='.
SettingLines settingLines(std::string_view text);

// Reads the settings file into `lines`. True when it is missing (no lines) or may be used;
// false, with no lines and `problem` set (a translated sentence naming the file), when it is
// refused.
bool readLibrarySettings(SettingLines& lines, std::string& problem);

// `text` (a settings file's content) with the keys of `values` set: the first line of a key
// gets the new value and later lines of that key go; a key that is not there yet is added at
// the end; an empty value removes every line of its key. Every other line (comments, other
// keys, lines without '=', bytes that are no text) stays byte for byte with its own line end.
// Lines added or changed end as the file's first line does ("\r\n" or "\n").
std::string withSettings(std::string_view text, const SettingLines& values);

// Writes `values` into the settings file as withSettings() does, creating it (and its folder)
// when missing, through a temporary file renamed into place (platform/AtomicFile.h). Refused,
// with nothing written: a key that is empty or holds '=', a value with a line end or a zero
// byte, a settings file that is a symbolic link, not a regular file, another user's, longer
// than kLibrarySettingsLimit or unreadable. The file keeps its mode less the write bits of
// group and others; a new file gets 0644; a file that holds a password afterwards gets 0600
// (set before the password is written). False with `error` (translated) on failure.
bool writeLibrarySettings(const SettingLines& values, std::string& error);

}  // namespace hm::library
