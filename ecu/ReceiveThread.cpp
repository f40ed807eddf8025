#include "ecu/ReceiveThread.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace hm::ecu {

bool ReceiveThread::start(int fd, FrameHandler handler, ChunkObserver observer) {
    if (thread_.joinable() || fd < 0) {
        return false;
    }
    wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd_ < 0) {
        return false;
    }
    fd_ = fd;
    handler_ = std::move(handler);
    observer_ = std::move(observer);
    assembler_.reset();
    stopReceive_.store(false);
    hungUp_.store(false);
    wakeups_.store(0);
    thread_ = std::thread([this] { ReceiveLoop(); });
    return true;
}

void ReceiveThread::stop() {
    if (!thread_.joinable()) {
        return;
    }
    stopReceive_.store(true);
    const uint64_t one = 1;
    // A full counter still wakes the thread, so the result needs no check.
    [[maybe_unused]] ssize_t n = ::write(wakeFd_, &one, sizeof one);
    thread_.join();
    ::close(wakeFd_);
    wakeFd_ = -1;
    fd_ = -1;
    handler_ = nullptr;
    observer_ = nullptr;
}

void ReceiveThread::waitForStop() {
    hungUp_.store(true);
    while (!stopReceive_.load()) {
        pollfd p{wakeFd_, POLLIN, 0};
        ::poll(&p, 1, -1);
        wakeups_.fetch_add(1);
    }
}

void ReceiveThread::ReceiveLoop() {
    std::array<uint8_t, kChunkSize> chunk{};
    while (!stopReceive_.load()) {
        std::array<pollfd, 2> fds{{{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            waitForStop();
            return;
        }
        wakeups_.fetch_add(1);
        if (stopReceive_.load()) {
            return;
        }
        const short ev = fds[0].revents;
        bool lineGone = (ev & (POLLHUP | POLLERR | POLLNVAL)) != 0;
        if (ev & POLLIN || lineGone) {
            // Empty the input queue, at most one chunk per read. The first read is made even
            // when FIONREAD reports nothing: it tells a hang-up (EIO, end of file) from a
            // spurious wake (EAGAIN).
            bool first = true;
            while (!stopReceive_.load()) {
                int queued = 0;
                if (::ioctl(fd_, FIONREAD, &queued) != 0 || queued < 0) {
                    queued = 0;
                }
                if (queued == 0 && !first) {
                    break;
                }
                first = false;
                const size_t want = queued > 0
                                        ? std::min<size_t>(static_cast<size_t>(queued), kChunkSize)
                                        : kChunkSize;
                const ssize_t n = ::read(fd_, chunk.data(), want);
                if (n < 0 && errno == EINTR) {
                    continue;
                }
                if (n < 0 && errno == EAGAIN) {
                    break;
                }
                if (n <= 0) {
                    lineGone = true;  // EIO after an unplug, or end of file
                    break;
                }
                lineGone = false;  // data still came; a real hang-up shows again next time
                if (observer_) {
                    observer_(chunk.data(), static_cast<size_t>(n));
                }
                assembler_.AppendReceivedBytes(chunk.data(), static_cast<size_t>(n), handler_);
            }
        }
        if (lineGone) {
            waitForStop();
            return;
        }
    }
}

}  // namespace hm::ecu
