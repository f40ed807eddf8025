#pragma once
// A download of the library written back out as a data file: the 2484 stored bytes unchanged,
// named as a save names it (the trailer and the ECU's saved-at time), never over an existing
// file (the name gets " (2)" and so on). A download that was never saved is kept without the
// signature, block size and saved-at time a save writes; it gets them as a save at the time it
// was added would have, so that every exported file loads. Used by `haulmetry library export` and
// the library window.
#include <filesystem>
#include <string>

#include "library/Library.h"

namespace hm::library {

// Writes download `entry` of `lib` into `folder` (which must exist). True with `written` set to
// the file's path; false with `error` (the path and the reason when the write failed).
bool exportDownload(Library& lib, const Entry& entry, const std::filesystem::path& folder,
                    std::filesystem::path& written, std::string& error);

}  // namespace hm::library
