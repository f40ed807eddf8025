#pragma once
// Where the data that passes through the session is kept besides the screen and the data files
// (the trailer library): every completed download, every file loaded, every file saved.
#include <string>

#include "fleetdata/FleetDataImage.h"

namespace hm {

class ImageRecorder {
  public:
    enum class Moment { Download, Load, Save };
    virtual ~ImageRecorder() = default;
    // Called on the session's thread with the image as it is at that moment (`path`: the file
    // loaded or saved, empty for a download). Returns at once: the image is copied and stored
    // elsewhere, so that the session never waits for a disk or a server.
    virtual void record(Moment moment, const FleetDataImage& image, const std::string& path) = 0;
};

}  // namespace hm
