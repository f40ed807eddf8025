#pragma once
// The data files named by command-line paths: a file as given, a folder's ".asc" files (any
// case, also symbolic links to files), with `recursive` those of every sub-folder too (never
// through a symbolic link to a folder, so a walk cannot loop). Used by `table` and
// `library import`.
#include <functional>
#include <string>
#include <vector>

namespace hm::cli {

// Says on standard error "haulmetry COMMAND: PATH: reason" for a path that is skipped.
void reportSkippedPath(const char* commandName, const std::string& path, const std::string& reason);

// Told of a path that is skipped, with the reason.
using SkipReport = std::function<void(const std::string& path, const std::string& reason)>;

// The data files of `folder`, sorted by path. A folder that cannot be listed is told to `report`
// and counted in `unlisted`; the walk goes on with the others. Only one folder is open at a
// time, however deep the tree.
std::vector<std::string> folderDataFiles(const std::string& folder, bool recursive, int& unlisted,
                                         const SkipReport& report);

// True when `path` is a folder (following symbolic links).
bool isFolder(const std::string& path);

}  // namespace hm::cli
