#include "library/LibraryExport.h"

#include <ctime>
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

// The local time of `seconds` since the epoch.
LocalTime localTimeAt(int64_t seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    localtime_r(&t, &tm);
    return LocalTime{static_cast<uint16_t>(tm.tm_year + 1900), static_cast<uint16_t>(tm.tm_mon + 1),
                     static_cast<uint16_t>(tm.tm_wday),        static_cast<uint16_t>(tm.tm_mday),
                     static_cast<uint16_t>(tm.tm_hour),        static_cast<uint16_t>(tm.tm_min),
                     static_cast<uint16_t>(tm.tm_sec),         0};
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
    if (validateImageBytes(bytes) != DataFileStatus::Valid) {
        // A download never saved is kept as the ECU gave it, without what a save writes: it
        // becomes the file a save would have written when it was added.
        stampSavedImage(image, localTimeAt(entry.addedAt));
        bytes = serialiseImage(image);
    }
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
