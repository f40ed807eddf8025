#pragma once
// Writing a file so that a failure never leaves a truncated file behind: the bytes go to a new
// temporary file in the target's folder, which is flushed to disk and then renamed over the
// target. Any thread; POSIX only.
#include <cstddef>
#include <filesystem>
#include <string>

namespace hm {

// Writes `size` bytes to `target`, replacing a file of that name. The target's folder must exist.
// On failure the target is untouched, the temporary file is removed and `error` holds the
// system's reason (strerror text). The new file gets mode 0666 less the umask.
bool writeFileAtomic(const std::filesystem::path& target, const void* data, size_t size,
                     std::string& error);

// Creates `directory` and its parents when missing. True when it exists afterwards as a folder;
// otherwise `error` holds the reason.
bool ensureDirectory(const std::filesystem::path& directory, std::string& error);

}  // namespace hm
