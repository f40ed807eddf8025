#pragma once
// The single-instance guard: a lock file held with flock for the life of the process. The kernel
// drops the lock when the process ends in any way (exit, crash, kill -9), so no stale lock can
// keep the tool from starting. Any thread; one object per process.
#include <string>

namespace hm {

class SingleInstanceLock {
  public:
    static constexpr const char* kFileName =
        "haulmetry-{E507DF2E-0492-4762-A423-57B250CDC50A}.lock";

    // $XDG_RUNTIME_DIR when it is set to an absolute, existing folder, else the temp folder
    // ($TMPDIR or /tmp).
    static std::string lockDirectory();

    SingleInstanceLock() = default;
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    enum class Result { Acquired, AlreadyRunning, Failed };
    // Opens (creating it with mode 0600) the lock file in `directory` and takes an exclusive,
    // non-blocking flock. AlreadyRunning when another process holds it; Failed when the file
    // cannot be opened (the caller may then run without a guard).
    Result acquire(const std::string& directory = lockDirectory());
    const std::string& path() const { return path_; }
    const std::string& error() const { return error_; }

  private:
    int fd_ = -1;
    std::string path_;
    std::string error_;
};

}  // namespace hm
