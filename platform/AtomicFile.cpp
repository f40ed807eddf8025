#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

#include "platform/FileAccess.h"
#include "resources/Strings.h"

namespace hm {
namespace {

// The kernel's own limit on links followed while resolving one name.
constexpr int kMaxLinkDepth = 40;
constexpr unsigned kTemporaryNameAttempts = 100;

std::string errnoText(int err) {
    return std::strerror(err);
}

// Follows symbolic links from `path` until a name that is not a link, which may not exist yet
// (a link to a missing file names the file to create). A relative link is taken from the folder
// of the link itself.
bool resolveLinks(std::filesystem::path path, std::filesystem::path& resolved, std::string& error) {
    std::vector<char> buffer(PATH_MAX + 1);
    for (int depth = 0; depth <= kMaxLinkDepth; ++depth) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            resolved = path;
            return true;
        }
        const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (n < 0 || static_cast<size_t>(n) >= buffer.size()) {
            error = n < 0 ? "cannot read the symbolic link: " + errnoText(errno)
                          : std::string("symbolic link target too long");
            return false;
        }
        const std::filesystem::path next(std::string(buffer.data(), static_cast<size_t>(n)));
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    error = errnoText(ELOOP);
    return false;
}

// Six characters that no other writer picks at the same moment with any likelihood; O_EXCL
// settles the rare clash.
std::string randomSuffix() {
    static constexpr char kAlphabet[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::atomic<unsigned> counter{0};
    unsigned char random[6] = {};
    if (::getrandom(random, sizeof random, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof random)) {
        unsigned mix = static_cast<unsigned>(::getpid()) * 2654435761u + counter.fetch_add(1);
        for (auto& r : random) {
            r = static_cast<unsigned char>(mix);
            mix = mix * 1103515245u + 12345u;
        }
    }
    std::string suffix;
    for (const unsigned char r : random) {
        suffix.push_back(kAlphabet[r % (sizeof kAlphabet - 1)]);
    }
    return suffix;
}

// Creates a temporary file ".hmXXXXXX" in `folder`. Returns its descriptor, or -1 with errno set.
int createTemporary(const std::filesystem::path& folder, mode_t mode, std::filesystem::path& temp) {
    for (unsigned attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temp = folder / (".hm" + randomSuffix());
        const int fd =
            ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, const void* data, size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd, bytes + written, size - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = EIO;
            }
            return false;
        }
        written += static_cast<size_t>(n);
    }
    return true;
}

// Gives the new file the owner, group and permission bits of the file it replaces. Setting the
// owner needs privileges we usually lack; the group may still be set when we belong to it. The
// mode is set after the owner, because a change of owner clears the set-id bits.
bool copyOwnerAndMode(int fd, const struct stat& old) {
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

}  // namespace

bool writeFileAtomic(const std::filesystem::path& target, const void* data, size_t size,
                     std::string& error) {
    std::filesystem::path resolved;
    if (!resolveLinks(target, resolved, error)) {
        return false;
    }
    struct stat old {};
    const bool replacing = ::lstat(resolved.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) {
        error = fillPlaceholders(
            translate("hm::FileAccess", "is %1, not a regular file; it was left as it is"),
            {fileKindText(old.st_mode)});
        return false;
    }
    const std::filesystem::path folder =
        resolved.has_parent_path() ? resolved.parent_path() : std::filesystem::path(".");

    std::filesystem::path temp;
    // A replacement starts private and gets the old file's mode below; a new file gets the
    // usual 0666 less the umask.
    const int fd = createTemporary(folder, replacing ? 0600 : 0666, temp);
    if (fd < 0) {
        error = errnoText(errno);
        return false;
    }
    auto fail = [&](int err, bool open) {
        if (open) {
            ::close(fd);
        }
        ::unlink(temp.c_str());
        error = errnoText(err);
        return false;
    };
    if (replacing && !copyOwnerAndMode(fd, old)) {
        return fail(errno, true);
    }
    if (!writeAll(fd, data, size) || ::fsync(fd) != 0) {
        return fail(errno, true);
    }
    if (::close(fd) != 0) {
        return fail(errno, false);
    }
    if (::rename(temp.c_str(), resolved.c_str()) != 0) {
        return fail(errno, false);
    }
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // Some file systems cannot sync a folder (EINVAL); the rename is as safe as they allow.
    if (dirFd < 0 || (::fsync(dirFd) != 0 && errno != EINVAL)) {
        error =
            "the new content is in place, but its folder could not be synced: " + errnoText(errno);
        if (dirFd >= 0) {
            ::close(dirFd);
        }
        return false;
    }
    ::close(dirFd);
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
