#include "session/DownloadBackup.h"

#include <cstring>

namespace hm {

void DownloadBackup::readCompleted(const FleetDataImage& image) {
    downloaded_ = image;
    hasDownload_ = true;
    saved_ = false;
    savedTo_.clear();
}

void DownloadBackup::userSaved(const FleetDataImage& image, const std::string& path) {
    if (!hasDownload_) {
        return;
    }
    FleetDataImage same = image;
    std::memcpy(same.savedAt, downloaded_.savedAt, sizeof same.savedAt);
    std::memcpy(same.signature, downloaded_.signature, sizeof same.signature);
    same.blockSize = downloaded_.blockSize;
    if (std::memcmp(&same, &downloaded_, sizeof same) == 0) {
        saved_ = true;
        savedTo_ = path;
    }
}

DownloadBackup::Result DownloadBackup::ensureSaved(DataFileState& state, const LocalTime& now) {
    Result result;
    if (!hasDownload_) {
        return result;
    }
    if (saved_) {
        result.outcome = Outcome::AlreadySaved;
        result.path = savedTo_;
        return result;
    }
    const SaveResult backup = saveBackupFile(downloaded_, state, now, result.error);
    result.path = backup.dataFilePath;
    if (backup.outcome != SaveOutcome::Saved) {
        result.outcome = Outcome::Failed;
        return result;
    }
    saved_ = true;
    savedTo_ = result.path;
    result.outcome = Outcome::Saved;
    return result;
}

}  // namespace hm
