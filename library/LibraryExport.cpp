#include "library/LibraryExport.h"

#include <system_error>

#include "fleetdata/DataFile.h"
#include "platform/AtomicFile.h"
#include "platform/FileAccess.h"
#include "platform/LocalTime.h"

namespace hm::library {
namespace {

LocalTime savedTime(const FleetDataImage& image) {
    const uint16_t* t = image.savedAt;
    return LocalTime{t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7]};
}

// `name` in `folder`, or "stem (n).asc" for the first n from 2 that is free.
std::filesystem::path freePath(const std::filesystem::path& folder, const std::string& name) {
    std::filesystem::path path = folder / name;
    const std::string stem = std::filesystem::path(name).stem().string();
    std::error_code ec;
    for (int n = 2;
         std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found;
         ++n) {
        path = folder / (stem + " (" + std::to_string(n) + ").asc");
    }
    return path;
}

}  // namespace

bool exportDownload(Library& lib, const Entry& entry, const std::filesystem::path& folder,
                    std::filesystem::path& written, std::string& error) {
    ImageBytes bytes{};
    if (!lib.data(entry.id, bytes, error)) {
        return false;
    }
    FleetDataImage image;
    deserialiseImage(bytes, image);
    const std::filesystem::path path =
        freePath(folder, dataFileName(image, savedTime(image), ".asc"));
    std::string why;
    if (!writeFileAtomic(path, bytes.data(), bytes.size(), why)) {
        error = printablePath(path.string()) + ": " + why;
        return false;
    }
    written = path;
    return true;
}

}  // namespace hm::library
