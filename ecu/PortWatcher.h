#pragma once
// Notices serial devices appearing in and leaving the device folder (/dev, or the folder of a
// PortScanConfig) and its /dev/serial/by-id folder, with inotify: no polling, no CPU while
// nothing changes. The window wraps fd() in a socket notifier and calls takeChanges() when it
// is readable.
//
// Reported are the names the port table lists (isSerialDeviceName: ttyUSB<n>, ttyACM<n>,
// ttyS<n>) in the device folder, and every name in the by-id folder. The by-id folder is
// watched only when it exists at construction. A device folder that does not exist leaves the
// watcher inactive (fd() -1), which is no error: nothing is reported.
//
// Not thread-safe: construct, read and destroy on one thread.
#include <string>
#include <vector>

#include "ecu/PortTable.h"

namespace hm::ecu {

class PortWatcher {
  public:
    struct Change {
        std::string path;      // device folder (or by-id folder) joined with the name
        bool appeared = true;  // false: the name was removed or moved away
        std::string name;      // the name alone
        bool byId = false;     // the name is in the by-id folder
    };

    explicit PortWatcher(const PortScanConfig& config);
    ~PortWatcher();
    PortWatcher(const PortWatcher&) = delete;
    PortWatcher& operator=(const PortWatcher&) = delete;

    // The inotify descriptor (non-blocking, close-on-exec), or -1 when inactive.
    int fd() const { return fd_; }
    bool active() const { return fd_ >= 0; }

    // Reads every queued event without waiting and returns the changes to serial device names,
    // in order. overflowed() says whether the kernel dropped events since the previous call
    // (rescan the whole folder then).
    // When a watched folder itself goes away its watch ends; with none left fd() stays open
    // but nothing more is reported.
    std::vector<Change> takeChanges();
    bool overflowed() const { return overflowed_; }

  private:
    int fd_ = -1;
    int devWatch_ = -1;
    int byIdWatch_ = -1;
    std::string devDir_;
    std::string byIdDir_;
    bool overflowed_ = false;
};

}  // namespace hm::ecu
