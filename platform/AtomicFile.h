#pragma once
// Writing a file so that a failure never leaves a truncated file behind: the bytes go to a new
// temporary file in the target's folder, which is flushed to disk and then renamed over the
// target. Any thread; POSIX only.
#include <cstddef>
#include <filesystem>
#include <string>

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

// Creates `directory` and its parents when missing. True when it exists afterwards as a folder;
// otherwise `error` holds the reason.
bool ensureDirectory(const std::filesystem::path& directory, std::string& error);

}  // namespace hm
