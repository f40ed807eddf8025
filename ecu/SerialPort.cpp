#include "ecu/SerialPort.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

#include "ecu/DeviceHolders.h"

namespace hm::ecu {

PortOpenError mapOpenErrno(int err) {
    switch (err) {
        case ENOENT:
        case ENXIO:
        case ENODEV:
        case ENOTDIR:
            return PortOpenError::NotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return PortOpenError::AccessDenied;
        case EBUSY:
        case EWOULDBLOCK:
            return PortOpenError::Busy;
        case EIO:
            return PortOpenError::DeviceError;
        default:
            return PortOpenError::SetupFailed;
    }
}

std::string describeOpenError(PortOpenError error) {
    switch (error) {
        case PortOpenError::None:
            return "no error";
        case PortOpenError::NotFound:
            return "no such device";
        case PortOpenError::AccessDenied:
            return "permission denied (add the user to the dialout group)";
        case PortOpenError::Busy:
            return "in use by another program";
        case PortOpenError::DeviceError:
            return "device not functioning";
        case PortOpenError::SetupFailed:
            return "not a serial port or line settings refused";
    }
    return "unknown error";
}

std::string deviceGroupName(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || st.st_gid == 0) {
        return {};
    }
    std::vector<char> buf(4096);
    group entry{};
    group* found = nullptr;
    if (::getgrgid_r(st.st_gid, &entry, buf.data(), buf.size(), &found) != 0 || found == nullptr) {
        return {};
    }
    return found->gr_name;
}

std::string describeOpenFailure(const std::string& path, PortOpenError error, int err) {
    switch (error) {
        case PortOpenError::AccessDenied: {
            const std::string name = deviceGroupName(path);
            if (!name.empty()) {
                return "permission denied: join the group '" + name + "' (sudo adduser $USER " +
                       name + ", then log in again)";
            }
            return "permission denied";
        }
        case PortOpenError::Busy: {
            const std::string holders = describeHolders(findDeviceHolders(path));
            return "busy: in use by " + (holders.empty() ? "another program" : holders);
        }
        case PortOpenError::SetupFailed:
            if (err == ENOTTY || err == EISDIR) {
                return "not a terminal (not a serial device)";
            }
            return err != 0 ? "line settings refused: " + std::string(std::strerror(err))
                            : describeOpenError(error);
        case PortOpenError::DeviceError:
            return "device not functioning (input/output error)";
        case PortOpenError::NotFound:
        case PortOpenError::None:
            break;
    }
    return describeOpenError(error);
}

void SerialPort::fail(PortOpenError error, int err) {
    lastError_ = error;
    lastErrno_ = err;
    if (fd_ >= 0) {
        ::close(fd_);  // flock and exclusive mode go with the descriptor
        fd_ = -1;
    }
}

bool SerialPort::OpenPort(const std::string& path) {
    ClosePort();
    lastError_ = PortOpenError::None;
    lastErrno_ = 0;
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        const int err = errno;
        fail(mapOpenErrno(err), err);
        return false;
    }
    if (!::isatty(fd_)) {
        fail(PortOpenError::SetupFailed, ENOTTY);
        return false;
    }
    // The lock first: another holder of the device must not lose its exclusive mode to us.
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        fail(mapOpenErrno(err), err);
        return false;
    }
    if (::ioctl(fd_, TIOCEXCL) != 0) {
        const int err = errno;
        fail(PortOpenError::SetupFailed, err);
        return false;
    }
    if (!ConfigurePort()) {
        const int err = errno;
        ::ioctl(fd_, TIOCNXCL);
        fail(PortOpenError::SetupFailed, err);
        return false;
    }
    ::tcflush(fd_, TCIOFLUSH);  // the purge; its result is not needed
    return true;
}

bool SerialPort::ConfigurePort() {
    if (fd_ < 0) {
        return false;
    }
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0) {
        return false;
    }
    ::cfmakeraw(&tio);
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | ISTRIP | IGNBRK);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    // Reads are non-blocking (O_NONBLOCK). With VMIN 1 an empty queue reads as EAGAIN, so a
    // read of 0 bytes means the line has hung up; with VMIN 0 it would read as 0 as well.
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, B9600) != 0 || ::cfsetospeed(&tio, B9600) != 0) {
        return false;
    }
    if (::tcsetattr(fd_, TCSANOW, &tio) != 0) {
        return false;
    }
    // DTR and RTS off. A pseudo-terminal has no modem lines and refuses the request.
    int lines = TIOCM_DTR | TIOCM_RTS;
    if (::ioctl(fd_, TIOCMBIC, &lines) != 0 && errno != ENOTTY && errno != EINVAL) {
        return false;
    }
    return true;
}

bool SerialPort::WritePort(const uint8_t* bytes, size_t count) {
    if (fd_ < 0) {
        return false;
    }
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(1000 + 2 * count);
    size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd_, bytes + done, count - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno != EAGAIN) {
            return false;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            return false;
        }
        pollfd p{fd_, POLLOUT, 0};
        if (::poll(&p, 1, static_cast<int>(left)) < 0 && errno != EINTR) {
            return false;
        }
        if (p.revents & (POLLERR | POLLHUP | POLLNVAL)) {
            return false;
        }
    }
    return true;
}

void SerialPort::ClosePort() {
    if (fd_ < 0) {
        return;
    }
    // The exclusive mode is a property of the device, not of our descriptor: clear it, or a
    // device that stays open elsewhere (a pseudo-terminal's other users) refuses the next open.
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
}

}  // namespace hm::ecu
