#include "library/LibraryExport.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
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

// Attempts at a name before an export gives up: each one lost to another writer that took the
// name at the same moment.
constexpr int kNameAttempts = 1000;

// Writes `bytes` into `folder` as `name`, or when that is taken as "stem (n).asc" with n above
// every number in use (the folder is listed once per name and run: `names` remembers the next
// number), never over an existing file. False with `error`.
bool writeUnderFreeName(const std::filesystem::path& folder, const std::string& name,
                        const ImageBytes& bytes, ExportNames* names, std::filesystem::path& written,
                        std::string& error) {
    const std::string stem = std::filesystem::path(name).stem().string();
    unsigned n = 1;
    if (names != nullptr) {
        const auto known = names->next.find(stem);
        n = known != names->next.end() ? known->second : 1;
    }
    bool listed = false;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::filesystem::path path = folder / numberedName(stem, n, ".asc");
        std::string why;
        const NewFile result = writeNewFile(path, bytes.data(), bytes.size(), why);
        if (result == NewFile::Written) {
            written = path;
            if (names != nullptr) {
                names->next[stem] = std::max(2u, n + 1);
            }
            return true;
        }
        if (result == NewFile::Failed) {
            error = printablePath(path.string()) + ": " + why;
            return false;
        }
        // Taken: the first time, go above every number in the folder; after that, the next
        // number (another writer is counting up too).
        n = listed ? n + 1 : std::max({2u, n + 1, nextNameNumber(folder, stem, {".asc"})});
        listed = true;
    }
    error = printablePath((folder / name).string()) + ": " + std::strerror(EEXIST);
    return false;
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
                    std::filesystem::path& written, std::string& error, ExportNames* names) {
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
    return writeUnderFreeName(folder, dataFileName(image, savedTime(image), ".asc"), bytes, names,
                              written, error);
}

}  // namespace hm::library
