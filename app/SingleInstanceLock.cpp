#include "app/SingleInstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/Environment.h"

namespace hm {

std::optional<std::string> SingleInstanceLock::runtimeDirectory() {
    const std::optional<std::string> dir = envAbsolutePath(EnvVar::XdgRuntimeDir);
    const char* runtime = dir ? dir->c_str() : nullptr;
    struct stat st {};
    // Trusted only as the private fallback is: a folder of this user that nobody else may
    // enter. A writable folder of someone else, or ours but open to others, would let another
    // user take or remove the lock and answer on the hand-over socket.
    if (runtime != nullptr && runtime[0] == '/' && ::stat(runtime, &st) == 0 &&
        S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 0777) == 0700 &&
        ::access(runtime, W_OK | X_OK) == 0) {
        return std::string(runtime);
    }
    return std::nullopt;
}

bool SingleInstanceLock::privateDirectory(std::string& directory, std::string& error) {
    const std::string base = envAbsolutePath(EnvVar::TmpDir).value_or("/tmp");
    const uid_t uid = ::geteuid();
    directory = base + "/haulmetry-" + std::to_string(uid);
    if (::mkdir(directory.c_str(), 0700) != 0 && errno != EEXIST) {
        error = "cannot create " + directory + ": " + std::strerror(errno);
        return false;
    }
    // Whatever stands there now must be our own real folder: another user could have put a
    // folder or a link there first to catch our lock.
    struct stat st {};
    if (::lstat(directory.c_str(), &st) != 0) {
        error = "cannot examine " + directory + ": " + std::strerror(errno);
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        error = directory + " is not a folder";
        return false;
    }
    if (st.st_uid != uid) {
        error = directory + " belongs to another user";
        return false;
    }
    if ((st.st_mode & 077) != 0 && ::chmod(directory.c_str(), 0700) != 0) {
        error = "cannot make " + directory + " private: " + std::strerror(errno);
        return false;
    }
    return true;
}

SingleInstanceLock::~SingleInstanceLock() {
    release();
}

void SingleInstanceLock::release() {
    if (fd_ >= 0) {
        ::close(fd_);  // releases the lock; the file stays for the next start
        fd_ = -1;
    }
}

SingleInstanceLock::Result SingleInstanceLock::acquireIn(const std::string& directory) {
    directory_ = directory;
    path_ = directory + "/" + kFileName;
    // O_NOFOLLOW: a symbolic link at the lock path is refused, not followed; O_NONBLOCK: a FIFO
    // there cannot hang the start.
    const int fd =
        ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0) {
        error_ = path_ + ": " + (errno == ELOOP ? "is a symbolic link" : std::strerror(errno));
        return Result::Failed;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        error_ = path_ + ": not a regular file";
        return Result::Failed;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK) {
            return Result::AlreadyRunning;
        }
        error_ = path_ + ": " + std::strerror(err);
        return Result::Failed;
    }
    fd_ = fd;
    return Result::Acquired;
}

SingleInstanceLock::Result SingleInstanceLock::acquire() {
    std::string firstError;
    if (const std::optional<std::string> runtime = runtimeDirectory()) {
        const Result result = acquireIn(*runtime);
        if (result != Result::Failed) {
            return result;
        }
        firstError = error_;
    }
    std::string directory;
    if (!privateDirectory(directory, error_)) {
        if (!firstError.empty()) {
            error_ = firstError + "; " + error_;
        }
        directory_.clear();
        path_.clear();
        return Result::Failed;
    }
    const Result result = acquireIn(directory);
    if (result == Result::Failed && !firstError.empty()) {
        error_ = firstError + "; " + error_;
    }
    return result;
}

}  // namespace hm
