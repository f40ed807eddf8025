#pragma once
// The library window's one thread for the library: the library is opened there on the first
// job, and every query and export runs there, so that a slow or unreachable server never holds
// up a window. A Library object stays on the thread that opened it (its Qt SQL connection
// belongs to that thread). Jobs run one after the other, in the order given.
#include <QObject>
#include <QThread>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "library/Library.h"
#include "library/LibraryLocation.h"

namespace hm {

class LibraryWorker {
  public:
    // What a job is given: the library (nullptr when it cannot be opened, `openError` says
    // why), on the worker thread.
    using Job = std::function<void(library::Library* lib, const std::string& openError)>;

    explicit LibraryWorker(library::Location location);
    // Closes the library on its thread and waits for the jobs given before; a job still waiting
    // on a shared library's server after a moment (a silent server) has its connection cut,
    // so that closing the window never waits on the library.
    ~LibraryWorker();
    LibraryWorker(const LibraryWorker&) = delete;
    LibraryWorker& operator=(const LibraryWorker&) = delete;

    void run(Job job);

  private:
    void ensureOpen();

    library::Location location_;
    QThread thread_;
    std::unique_ptr<QObject> context_;  // lives in thread_: jobs are queued calls on it
    std::unique_ptr<library::Library> lib_;
    std::string openError_;
    bool opened_ = false;
    std::mutex socketMutex_;
    int socket_ = -1;  // lib_'s connection to a server, -1 when none; under socketMutex_
};

}  // namespace hm
