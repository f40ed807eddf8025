#include "support/PtyPair.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>

namespace hmtest {

PtyPair::PtyPair() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    char name[128] = {};
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
        ::ptsname_r(master_, name, sizeof name) != 0) {
        throw std::runtime_error(std::string("pty: ") + std::strerror(errno));
    }
    slavePath_ = name;
    observer_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (observer_ >= 0) {
        termios tio{};
        ::tcgetattr(observer_, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(observer_, TCSANOW, &tio);
    }
}

PtyPair::~PtyPair() {
    hangUp();
    if (observer_ >= 0) {
        ::close(observer_);
    }
}

void PtyPair::send(const void* bytes, size_t count) {
    const auto* p = static_cast<const char*>(bytes);
    while (count > 0) {
        const ssize_t n = ::write(master_, p, count);
        if (n > 0) {
            p += n;
            count -= static_cast<size_t>(n);
        } else if (n < 0 && errno == EAGAIN) {
            pollfd pf{master_, POLLOUT, 0};
            ::poll(&pf, 1, 1000);
        } else if (!(n < 0 && errno == EINTR)) {
            throw std::runtime_error(std::string("pty write: ") + std::strerror(errno));
        }
    }
}

std::string PtyPair::receive(size_t count, int timeoutMs) {
    std::string out;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (out.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              until - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0) {
            break;
        }
        pollfd pf{master_, POLLIN, 0};
        if (::poll(&pf, 1, static_cast<int>(left)) <= 0) {
            continue;
        }
        char buf[512];
        const ssize_t n = ::read(master_, buf, std::min(sizeof buf, count - out.size()));
        if (n > 0) {
            out.append(buf, static_cast<size_t>(n));
        } else if (!(n < 0 && (errno == EAGAIN || errno == EINTR))) {
            break;
        }
    }
    return out;
}

void PtyPair::hangUp() {
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

}  // namespace hmtest
