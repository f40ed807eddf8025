#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
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

namespace {

// Puts the finished temporary file `temp` at `target` without replacing anything there.
NewFile placeNew(const std::filesystem::path& temp, const std::filesystem::path& target,
                 const void* data, size_t size, std::string& error) {
    if (::link(temp.c_str(), target.c_str()) == 0) {
        ::unlink(temp.c_str());
        return NewFile::Written;
    }
    if (errno == EEXIST) {
        ::unlink(temp.c_str());
        return NewFile::Exists;
    }
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
        return NewFile::Written;
    }
    const int err = errno;
    ::unlink(temp.c_str());
    if (err == EEXIST) {
        return NewFile::Exists;
    }
    // A file system without links or such renames: the name itself, created exclusively.
    const int fd =
        ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) {
        error = errnoText(errno);
        return errno == EEXIST ? NewFile::Exists : NewFile::Failed;
    }
    const bool ok = writeAll(fd, data, size) && ::fsync(fd) == 0;
    const int writeErr = errno;
    if (::close(fd) != 0 || !ok) {
        ::unlink(target.c_str());
        error = errnoText(ok ? errno : writeErr);
        return NewFile::Failed;
    }
    return NewFile::Written;
}

}  // namespace

NewFile writeNewFile(const std::filesystem::path& target, const void* data, size_t size,
                     std::string& error) {
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    struct stat st {};
    if (::lstat(target.c_str(), &st) == 0) {
        return NewFile::Exists;  // the common case, decided without writing anything
    }
    std::filesystem::path temp;
    const int fd = createTemporary(folder, 0666, temp);
    if (fd < 0) {
        error = errnoText(errno);
        return NewFile::Failed;
    }
    if (!writeAll(fd, data, size) || ::fsync(fd) != 0) {
        error = errnoText(errno);
        ::close(fd);
        ::unlink(temp.c_str());
        return NewFile::Failed;
    }
    if (::close(fd) != 0) {
        error = errnoText(errno);
        ::unlink(temp.c_str());
        return NewFile::Failed;
    }
    const NewFile placed = placeNew(temp, target, data, size, error);
    if (placed == NewFile::Written) {
        const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dirFd >= 0) {
            ::fsync(dirFd);
            ::close(dirFd);
        }
    }
    return placed;
}

std::string numberedName(const std::string& stem, unsigned n, std::string_view extension) {
    return (n < 2 ? stem : stem + " (" + std::to_string(n) + ")") + std::string(extension);
}

unsigned nextNameNumber(const std::filesystem::path& folder, const std::string& stem,
                        std::initializer_list<std::string_view> extensions) {
    unsigned highest = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(stem)) {
            continue;
        }
        for (const std::string_view extension : extensions) {
            if (!name.ends_with(extension) || name.size() < stem.size() + extension.size()) {
                continue;
            }
            const std::string_view middle = std::string_view(name).substr(
                stem.size(), name.size() - stem.size() - extension.size());
            unsigned n = 0;
            if (middle.empty()) {
                n = 1;
            } else if (middle.size() > 3 && middle.starts_with(" (") && middle.ends_with(")")) {
                const std::string_view digits = middle.substr(2, middle.size() - 3);
                const auto [last, why] =
                    std::from_chars(digits.data(), digits.data() + digits.size(), n);
                n = (why == std::errc() && last == digits.data() + digits.size()) ? n : 0;
            }
            highest = std::max(highest, n);
        }
    }
    return highest == 0 ? 0 : std::max(2u, highest + 1);
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
