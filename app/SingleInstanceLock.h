#pragma once
// The single-instance guard: a lock file held with flock for the life of the process. The kernel
// drops the lock when the process ends in any way (exit, crash, kill -9), so no stale lock can
// keep the tool from starting. The lock is per user: it lives in the user's runtime folder
// ($XDG_RUNTIME_DIR, when it is this user's own folder with mode 0700), or, when that is unset
// or unusable, in a private folder
// $TMPDIR/haulmetry-UID (mode 0700) that no other user may own. A symbolic link is never
// followed for the lock. Any thread; one object per process.
#include <optional>
#include <string>

namespace hm {

class SingleInstanceLock {
  public:
    static constexpr const char* kFileName =
        "haulmetry-{E507DF2E-0492-4762-A423-57B250CDC50A}.lock";

    // $XDG_RUNTIME_DIR when it is an absolute path to a folder owned by this user with mode
    // 0700 that this user may write to; else nothing.
    static std::optional<std::string> runtimeDirectory();

    // The private fallback folder: $TMPDIR (when absolute, else /tmp) + "/haulmetry-" + the user
    // id. Created with mode 0700 when missing; an existing one must be a real folder (not a
    // symbolic link) owned by this user, and is narrowed to 0700 when it is wider. False with
    // `error` set otherwise.
    static bool privateDirectory(std::string& directory, std::string& error);

    SingleInstanceLock() = default;
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    enum class Result { Acquired, AlreadyRunning, Failed };
    // Takes the lock in the runtime folder, or in the private folder when the runtime folder is
    // missing or the lock cannot be opened there (not writable, a symbolic link or anything but
    // a regular file at the lock path). AlreadyRunning when another process of this user holds
    // it; Failed (with error()) when neither folder gives a lock.
    Result acquire();
    // The same in one given folder only.
    Result acquireIn(const std::string& directory);

    // Gives the lock up before the end of the process (the window is gone; what the program
    // still does must not keep the next start out).
    void release();

    // The folder and path of the lock tried last (after acquire: where it is held).
    const std::string& directory() const { return directory_; }
    const std::string& path() const { return path_; }
    const std::string& error() const { return error_; }

  private:
    int fd_ = -1;
    std::string directory_;
    std::string path_;
    std::string error_;
};

}  // namespace hm
