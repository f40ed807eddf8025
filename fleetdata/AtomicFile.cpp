#include "fleetdata/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace hm {
namespace {

std::string errnoText(int err) {
    return std::strerror(err);
}

// A name that no other writer in this or another process uses at the same moment.
std::filesystem::path temporaryPathFor(const std::filesystem::path& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    const unsigned serial = counter.fetch_add(1);
    std::string name = "." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) +
                       "-" + std::to_string(serial) + "-" + std::to_string(attempt);
    return target.parent_path() / name;
}

}  // namespace

bool writeFileAtomic(const std::filesystem::path& target, const void* data, size_t size,
                     std::string& error) {
    std::filesystem::path temp;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = temporaryPathFor(target, attempt);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        error = errnoText(errno);
        return false;
    }
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        error = errnoText(err);
        return false;
    };
    const auto* bytes = static_cast<const char*>(data);
    size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd, bytes + written, size - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(errno);
        }
        if (n == 0) {
            return fail(EIO);
        }
        written += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0) {
        return fail(errno);
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        error = errnoText(err);
        return false;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        error = errnoText(err);
        return false;
    }
    return true;
}

bool ensureDirectory(const std::filesystem::path& directory, std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(directory, ec)) {
        return true;
    }
    std::filesystem::create_directories(directory, ec);
    std::error_code checkEc;
    if (std::filesystem::is_directory(directory, checkEc)) {
        return true;
    }
    error = ec ? ec.message() : errnoText(ENOTDIR);
    return false;
}

}  // namespace hm
