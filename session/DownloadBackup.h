#pragma once
// What the window keeps of the last completed read from the ECU, and the one policy that keeps
// it from being lost: before anything throws the downloaded data away (an erase, a reload, a
// lost connection), an unsaved download is written to the data folder under the save's own
// file name. A save by the user of the same data counts as saved. Window thread only.
#include <string>

#include "fleetdata/FleetDataImage.h"
#include "platform/LocalTime.h"
#include "session/DataFileController.h"

namespace hm {

class DownloadBackup {
  public:
    enum class Outcome {
        NoDownload,    // nothing was downloaded yet: nothing to keep
        AlreadySaved,  // the download is in the file `path` already (saved or backed up before)
        Saved,         // written now to `path`
        Failed,        // could not be written to `path` (`error` says why)
    };
    struct Result {
        Outcome outcome = Outcome::NoDownload;
        std::string path;
        std::string error;
    };

    // A read from the ECU completed: `image` is what the ECU holds now, not saved yet.
    void readCompleted(const FleetDataImage& image);
    // The user saved `image` to `path`: when it is the download (save stamp aside), that counts.
    void userSaved(const FleetDataImage& image, const std::string& path);
    // Writes the download unless it is saved already.
    Result ensureSaved(DataFileState& state, const LocalTime& now);

    bool hasDownload() const { return hasDownload_; }
    // The last completed read (cleared while there is none).
    const FleetDataImage& download() const { return downloaded_; }
    bool saved() const { return saved_; }

  private:
    FleetDataImage downloaded_{};
    bool hasDownload_ = false;
    bool saved_ = false;
    std::string savedTo_;  // the file the download is in, while saved_
};

}  // namespace hm
