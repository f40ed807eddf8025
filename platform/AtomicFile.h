#pragma once
// Writing a file so that a failure never leaves a truncated file behind: the bytes go to a new
// temporary file in the target's folder, which is flushed to disk and then renamed over the
// target. Any thread; POSIX only.
#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace hm {

// Writes `size` bytes to `target`, replacing a file of that name. The target's folder must exist.
// - A symbolic link at `target` is followed (also a chain of them, also one that points at a
//   missing file) and the file it names is replaced; the link stays a link.
// - A target that exists and is not a regular file (a folder, FIFO, device, socket) is refused
//   and left alone.
// - A replaced file keeps its permission bits, and its owner and group where this process may
//   set them; a new file gets mode 0666 less the umask.
// - The temporary file has a short random name (".hm" and six characters) in the target's
//   folder, so any legal target name works; it is removed on every failure path.
// - After the rename the folder is synced too, so the new name survives a power cut.
// On failure `error` holds a short reason for the user. When only the final folder sync fails,
// the new content is already in place and the message says so.
bool writeFileAtomic(const std::filesystem::path& target, const void* data, size_t size,
                     std::string& error);

// What writeNewFile did.
enum class NewFile { Written, Exists, Failed };

// Writes `size` bytes to a new file `target`, never replacing anything of that name (a file, a
// symbolic link, a folder): the bytes go to a temporary file in the target's folder, which is
// flushed and then linked to the name (link refuses a name that exists; where the file system
// has no links, a rename that refuses to replace, else an exclusive create of the name), so
// the file appears whole and two writers never get one name. Exists when the name is taken
// (nothing is written); Failed with `error` set otherwise. The folder must exist.
NewFile writeNewFile(const std::filesystem::path& target, const void* data, size_t size,
                     std::string& error);

// "STEM" followed by `extension` for n < 2, else "STEM (n)" and the extension.
std::string numberedName(const std::string& stem, unsigned n, std::string_view extension);

// The number of the next name for `stem` in `folder`, listed once: one above the highest n of
// the names "STEM (n)EXT" there, with EXT any of `extensions` (2 when only "STEM EXT" is taken,
// 0 when no such name is). Taking it never tries the numbers below one by one, and a name
// above the others that a user made is never reached by counting up to it.
unsigned nextNameNumber(const std::filesystem::path& folder, const std::string& stem,
                        std::initializer_list<std::string_view> extensions);

// Creates `directory` and its parents when missing. True when it exists afterwards as a folder;
// otherwise `error` holds the reason.
bool ensureDirectory(const std::filesystem::path& directory, std::string& error);

}  // namespace hm
