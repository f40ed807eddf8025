#include "ecu/PortWatcher.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace hm::ecu {
namespace {

// udev makes device nodes with mknod (create) and links by renaming a temporary name into
// place (moved to); unplugging removes both.
constexpr uint32_t kWatchMask = IN_CREATE | IN_MOVED_TO | IN_DELETE | IN_MOVED_FROM |
                                IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

}  // namespace

PortWatcher::PortWatcher(const PortScanConfig& config)
    : devDir_(config.devDir), byIdDir_(config.byIdDir) {
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) {
        return;
    }
    devWatch_ = ::inotify_add_watch(fd_, devDir_.c_str(), kWatchMask);
    if (devWatch_ < 0) {
        ::close(fd_);
        fd_ = -1;
        return;
    }
    byIdWatch_ = ::inotify_add_watch(fd_, byIdDir_.c_str(), kWatchMask);
}

PortWatcher::~PortWatcher() {
    if (fd_ >= 0) {
        ::close(fd_);  // removes the watches
    }
}

std::vector<PortWatcher::Change> PortWatcher::takeChanges() {
    std::vector<Change> changes;
    overflowed_ = false;
    if (fd_ < 0) {
        return changes;
    }
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;  // EAGAIN: nothing more queued
        }
        for (ssize_t at = 0; at + static_cast<ssize_t>(sizeof(inotify_event)) <= n;) {
            inotify_event event;
            std::memcpy(&event, buffer + at, sizeof event);
            const char* name = buffer + at + sizeof(inotify_event);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event.len);
            if (event.mask & IN_Q_OVERFLOW) {
                overflowed_ = true;
            }
            if (event.mask & IN_IGNORED) {  // the folder went away (or was unmounted)
                devWatch_ = event.wd == devWatch_ ? -1 : devWatch_;
                byIdWatch_ = event.wd == byIdWatch_ ? -1 : byIdWatch_;
                continue;
            }
            if (event.len == 0 || (event.wd != devWatch_ && event.wd != byIdWatch_)) {
                continue;
            }
            const std::string entry(name, ::strnlen(name, event.len));
            const bool inDev = event.wd == devWatch_;
            if (inDev && !isSerialDeviceName(entry)) {
                continue;
            }
            changes.push_back({(inDev ? devDir_ : byIdDir_) + "/" + entry,
                               (event.mask & (IN_CREATE | IN_MOVED_TO)) != 0, entry, !inDev});
        }
    }
    return changes;
}

}  // namespace hm::ecu
