#include "ecusim/VirtualEcu.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "ecu/FrameAssembler.h"
#include "ecu/WireText.h"
#include "platform/FileAccess.h"

namespace hm::ecusim {

namespace {

EcuMemory chooseMemory(const EcuOptions& o) {
    EcuMemory m = o.memory ? *o.memory : makeDemoMemory();
    if (o.identOverride) {
        m.ident = o.identOverride->substr(0, kIdentLength);
    }
    return m;
}

// The target of the symbolic link `path`; false when `path` is not a link.
bool readLinkTarget(const std::string& path, std::string& target) {
    char buffer[4096];
    const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer);
    if (n < 0 || static_cast<size_t>(n) >= sizeof buffer) {
        return false;
    }
    target.assign(buffer, static_cast<size_t>(n));
    return true;
}

// Makes `link` a symbolic link to `device`. Only an empty place or a symbolic link into
// /dev/pts (left behind by an earlier run that was killed) is taken; anything else at `link`
// is somebody's file and stays as it is.
bool placeDeviceLink(const std::string& link, const std::string& device, std::string& error) {
    const std::string shown = printablePath(link);
    struct stat st {};
    if (::lstat(link.c_str(), &st) == 0) {
        std::string target;
        if (!S_ISLNK(st.st_mode) || !readLinkTarget(link, target) ||
            target.rfind("/dev/pts/", 0) != 0) {
            error = "cannot create the link " + shown + ": it exists and is " +
                    (S_ISLNK(st.st_mode) ? std::string("a symbolic link to ") +
                                               printablePath(target) + ", not into /dev/pts"
                                         : fileKindText(st.st_mode)) +
                    "; remove it or choose another path";
            return false;
        }
        if (::unlink(link.c_str()) != 0 && errno != ENOENT) {
            error = "cannot replace the stale link " + shown + ": " + std::strerror(errno);
            return false;
        }
    } else if (errno != ENOENT) {
        error = "cannot create the link " + shown + ": " + std::strerror(errno);
        return false;
    }
    // symlink() never replaces: should something appear at `link` meanwhile, it fails with EEXIST.
    if (::symlink(device.c_str(), link.c_str()) != 0) {
        error = "cannot create the link " + shown + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace

VirtualEcu::VirtualEcu(EcuOptions options)
    : options_(std::move(options)),
      initial_(chooseMemory(options_)),
      responder_(options_.identity, initial_) {}

VirtualEcu::~VirtualEcu() {
    stop();
}

bool VirtualEcu::start() {
    if (thread_.joinable()) {
        return true;
    }
    masterFd_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    char name[128] = {};
    if (masterFd_ < 0 || ::grantpt(masterFd_) != 0 || ::unlockpt(masterFd_) != 0 ||
        ::ptsname_r(masterFd_, name, sizeof name) != 0) {
        error_ = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        stop();
        return false;
    }
    devicePath_ = name;
    // Holding the slave open keeps the master from seeing a hang-up whenever the tool closes
    // the device, and lets the line settings below stay in place.
    slaveHoldFd_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (slaveHoldFd_ < 0) {
        error_ = std::string("cannot open ") + name + ": " + std::strerror(errno);
        stop();
        return false;
    }
    termios tio{};
    if (::tcgetattr(slaveHoldFd_, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(slaveHoldFd_, TCSANOW, &tio);
    }
    ::fcntl(masterFd_, F_SETFL, ::fcntl(masterFd_, F_GETFL) | O_NONBLOCK);
    wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd_ < 0) {
        error_ = std::string("eventfd: ") + std::strerror(errno);
        stop();
        return false;
    }
    if (!options_.linkPath.empty()) {
        if (!placeDeviceLink(options_.linkPath, devicePath_, error_)) {
            stop();
            return false;
        }
        linkMade_ = true;
    }
    stopping_.store(false);
    thread_ = std::thread([this] { run(); });
    return true;
}

void VirtualEcu::stop() {
    stopping_.store(true);
    if (thread_.joinable()) {
        const uint64_t one = 1;
        [[maybe_unused]] ssize_t n = ::write(wakeFd_, &one, sizeof one);
        thread_.join();
    }
    for (int* fd : {&masterFd_, &slaveHoldFd_, &wakeFd_}) {
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    }
    if (linkMade_) {
        // Only our own link goes: something else may have been put there since.
        std::string target;
        if (readLinkTarget(options_.linkPath, target) && target == devicePath_) {
            ::unlink(options_.linkPath.c_str());
        }
        linkMade_ = false;
    }
}

EcuMemory VirtualEcu::memory() const {
    std::lock_guard lock(mutex_);
    return responder_.memory();
}

bool VirtualEcu::securityGranted() const {
    std::lock_guard lock(mutex_);
    return responder_.securityGranted();
}

void VirtualEcu::traceFrame(const char* what, const uint8_t* bytes, size_t count) {
    if (options_.trace) {
        options_.trace(std::string(what) + " " + ecu::hexBytes(bytes, count));
    }
}

bool VirtualEcu::pause(int ms) {
    if (ms <= 0) {
        return !stopping_.load();
    }
    using Clock = std::chrono::steady_clock;
    const auto until = Clock::now() + std::chrono::milliseconds(ms);
    while (!stopping_.load()) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
        if (left <= 0) {
            return true;
        }
        pollfd p{wakeFd_, POLLIN, 0};
        ::poll(&p, 1, static_cast<int>(left));
    }
    return false;
}

bool VirtualEcu::sendBytes(const uint8_t* bytes, size_t count) {
    size_t done = 0;
    while (done < count) {
        if (stopping_.load()) {
            return false;
        }
        const ssize_t n = ::write(masterFd_, bytes + done, count - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno != EAGAIN) {
            return true;  // nobody reads the line: the bytes are lost, as on a real wire
        }
        // The tool's input queue is full: wait until it reads, or until we are stopped.
        std::array<pollfd, 2> p{{{masterFd_, POLLOUT, 0}, {wakeFd_, POLLIN, 0}}};
        ::poll(p.data(), p.size(), 1000);
        if (!(p[0].revents & POLLOUT) && !stopping_.load()) {
            return true;  // still full after a second: drop the rest
        }
    }
    return true;
}

void VirtualEcu::hangUp() {
    // A hang-up discards what the tool has not read yet: give it the last response first.
    pause(50);
    for (int i = 0; i < 50; ++i) {
        int queued = 0;
        if (::ioctl(slaveHoldFd_, FIONREAD, &queued) != 0 || queued == 0 || !pause(10)) {
            break;
        }
    }
    hungUp_.store(true);
    if (options_.trace) {
        options_.trace("-- hang up");
    }
    ::close(masterFd_);
    masterFd_ = -1;
    ::close(slaveHoldFd_);
    slaveHoldFd_ = -1;
}

void VirtualEcu::handleRequest(const uint8_t* frame, size_t length) {
    traceFrame("REQ ", frame, length);
    const FaultOptions& f = options_.faults;
    if (!frameIsValid(frame, length)) {
        if (options_.trace) {
            options_.trace("-- bad checksum, not answered");
        }
        return;
    }
    requests_.fetch_add(1);
    if (f.silent) {
        return;
    }
    if (f.echo && !sendBytes(frame, length)) {
        return;
    }
    const bool probe = frame[1] == 0x90;
    Frame response = probe ? Frame{} : rejection(frame, length);
    if (response.empty()) {
        std::lock_guard lock(mutex_);
        response = responder_.respond(frame, length);
    }
    if (response.empty()) {
        return;
    }
    // Counted before the bytes go out, so a caller that has received a response sees it counted.
    const int number = responses_.fetch_add(1) + 1;
    if (!pause(f.delayMs)) {
        return;
    }
    const bool refusal = response.size() > 1 && response[1] == 0x7F;
    const bool corruptThisRequest =
        !f.corruptRequest.empty() && length > f.corruptRequest.size() &&
        std::equal(f.corruptRequest.begin(), f.corruptRequest.end(), frame + 1);
    if (number == f.corruptResponse || corruptThisRequest) {
        response.back() = static_cast<uint8_t>(response.back() + 1);
    }
    if (!probe && !refusal && !sendPending(frame[1])) {
        return;
    }
    if (!sendResponse(response, number)) {
        return;
    }
    if (f.hangUpAfter > 0 && number >= f.hangUpAfter) {
        hangUp();
    }
}

Frame VirtualEcu::rejection(const uint8_t* frame, size_t length) {
    const int times = options_.faults.rejectTimes;
    if (times <= 0) {
        return {};
    }
    std::vector<uint8_t> request(frame, frame + length);
    if (request != lastRejected_) {
        lastRejected_ = request;
        rejectedSoFar_ = 0;
    }
    if (rejectedSoFar_ < times) {
        ++rejectedSoFar_;
        return withChecksum({0x04, 0x7F, frame[1], 0x21});
    }
    lastRejected_.clear();
    rejectedSoFar_ = 0;
    return {};
}

bool VirtualEcu::sendPending(uint8_t service) {
    for (int i = 0; i < options_.faults.pendingTimes; ++i) {
        const Frame pending = withChecksum({0x04, 0x7F, service, 0x78});
        traceFrame("PEND", pending.data(), pending.size());
        if (!sendBytes(pending.data(), pending.size()) || !pause(150)) {
            return false;
        }
    }
    return true;
}

bool VirtualEcu::sendResponse(const Frame& response, int number) {
    const FaultOptions& f = options_.faults;
    if (number == f.dropResponse) {
        traceFrame("DROP", response.data(), response.size());
        return true;
    }
    if (!f.garbage.empty()) {
        traceFrame("GARB", f.garbage.data(), f.garbage.size());
        if (!sendBytes(f.garbage.data(), f.garbage.size())) {
            return false;
        }
    }
    traceFrame("RESP", response.data(), response.size());
    const size_t chunk = f.chunkSize > 0 ? f.chunkSize : response.size();
    for (size_t at = 0; at < response.size(); at += chunk) {
        if (at > 0 && !pause(f.chunkPauseMs)) {
            return false;
        }
        const size_t n = std::min(chunk, response.size() - at);
        if (!sendBytes(response.data() + at, n)) {
            return false;
        }
    }
    if (f.repeat) {
        traceFrame("RPT ", response.data(), response.size());
        return sendBytes(response.data(), response.size());
    }
    return true;
}

void VirtualEcu::run() {
    ecu::FrameAssembler assembler;
    std::array<uint8_t, 512> buf{};
    const ecu::FrameHandler onFrame = [this](const uint8_t* frame, size_t length) {
        if (!hungUp_.load()) {
            handleRequest(frame, length);
        }
    };
    while (!stopping_.load()) {
        if (hungUp_.load()) {
            pollfd p{wakeFd_, POLLIN, 0};
            ::poll(&p, 1, -1);
            continue;
        }
        std::array<pollfd, 2> p{{{masterFd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}}};
        if (::poll(p.data(), p.size(), -1) < 0) {
            continue;
        }
        if (stopping_.load()) {
            break;
        }
        if (p[0].revents & POLLIN) {
            const ssize_t n = ::read(masterFd_, buf.data(), buf.size());
            if (n > 0) {
                assembler.AppendReceivedBytes(buf.data(), static_cast<size_t>(n), onFrame);
            }
        } else if (p[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
            // Cannot happen while we hold the slave open; never spin if it does.
            pause(100);
        }
    }
}

}  // namespace hm::ecusim
