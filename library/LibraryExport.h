#pragma once
// A download of the library written back out as a data file: the 2484 stored bytes unchanged,
// named as a save names it (the trailer and the ECU's saved-at time), never over an existing
// file (the name gets " (2)" and so on, above every number in use). A download that was never saved
// is kept without the signature, block size and saved-at time a save writes; it gets them as a save
// at the time it was added would have, so that every exported file loads. Used by `haulmetry
// library export` and the library window.
#include <filesystem>
#include <string>
#include <unordered_map>

#include "library/Library.h"

namespace hm::library {

// The numbers an export run has given names so far, so that a run over many downloads of one
// minute lists its folder once per name instead of once per download.
struct ExportNames {
    using Map = std::unordered_map<std::string, unsigned>;
    Map next;  // by stem: the number to try next
};

// Writes download `entry` of `lib` into `folder` (which must exist) as a new file, never over
// an existing one, also when another program writes into the folder at the same moment: the
// name, else "name (n).asc" with n above every number in use. True with `written` set to the
// file's path; false with `error` (the path and the reason when the write failed). `names`
// (may be null) is shared by the calls of one run.
bool exportDownload(Library& lib, const Entry& entry, const std::filesystem::path& folder,
                    std::filesystem::path& written, std::string& error,
                    ExportNames* names = nullptr);

}  // namespace hm::library
