#pragma once
// Reading files that come from outside (data files, the settings file, a vehicle for the virtual
// ECU) without ever blocking on something that is not a file, and showing file names whose bytes
// need not be text. Plain functions, any thread; POSIX only.
#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace hm {

// "a folder", "a FIFO", "a character device", "a block device", "a socket" or "a symbolic link"
// for a file type that is not a regular file; "a regular file" otherwise.
std::string fileKindText(mode_t mode);

// Opens `path` for reading only when it is a regular file (following symbolic links). A FIFO,
// device, socket or folder is never read from: the path is checked before the open, the open
// itself cannot block (O_NONBLOCK), and fstat on the descriptor confirms that what was opened
// is a regular file. Returns a close-on-exec descriptor in blocking mode that the caller closes,
// or -1 with `error` set to a short reason ("is a FIFO, not a regular file",
// "cannot open: No such file or directory", ...).
int openRegularFile(const std::filesystem::path& path, std::string& error);

// Opens `path` for writing from its start, creating it (mode 0666 less the umask) when missing
// and emptying it when it is a regular file. Anything else at the path (a FIFO, device, socket,
// folder) is refused without being written to: it is checked before the open, the open cannot
// block (O_NONBLOCK, so a FIFO without a reader never hangs the caller), and fstat on the
// descriptor confirms a regular file before anything is truncated. Returns a close-on-exec
// descriptor in blocking mode, or -1 with `error` set as openRegularFile sets it.
int openRegularFileForWriting(const std::filesystem::path& path, std::string& error);

// Reads at most `limit` bytes from the start of the regular file `path` into `bytes` (see
// openRegularFile). False with `error` set when it cannot be opened or read.
bool readRegularFile(const std::filesystem::path& path, size_t limit, std::string& bytes,
                     std::string& error);

// Length of the well-formed UTF-8 sequence at the start of the non-empty `s` and its code point
// in `cp`, or 0 when the first byte does not start one (overlong forms, surrogates and code
// points past U+10FFFF are not well-formed).
size_t utf8Sequence(std::string_view s, char32_t& cp);
inline size_t utf8Length(std::string_view s) {
    char32_t cp = 0;
    return utf8Sequence(s, cp);
}

// A file name or identification for a message, a list or a title: printable ASCII and
// well-formed UTF-8 text stay as they are; every other byte (control characters, bytes that are
// not UTF-8, the C1 controls) and the bytes of the bidirectional controls (U+061C, U+200E,
// U+200F, U+202A to U+202E, U+2066 to U+2069) become "\xNN", and a backslash becomes "\\", so
// that any two names are shown differently, none reaches a terminal raw and none turns the text
// after it around.
std::string printablePath(std::string_view bytes);

}  // namespace hm
