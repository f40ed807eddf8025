#include "library/LibraryWorker.h"

#include <sys/socket.h>

#include <utility>
#include <vector>

#include "library/StoreRow.h"

namespace hm::library {
namespace {

// How long the end of the program waits for a shared library to take what is left, and the
// end of a window for its job, before the connection they wait on is cut.
constexpr std::chrono::milliseconds kCloseGrace{1500};

}  // namespace

LibraryWorker::LibraryWorker(Location location, Recorded recorded)
    : location_(std::move(location)), recorded_(std::move(recorded)) {}

LibraryWorker::~LibraryWorker() {
    {
        std::unique_lock lock(mutex_);
        stopping_ = true;
        std::erase_if(tasks_, [](const Task& task) { return !task.item; });
        wake_.notify_all();
        if (waitsOnServer() &&
            !idle_.wait_for(lock, kCloseGrace, [this] { return tasks_.empty() && !busy_; })) {
            handOverToQueue();
        }
    }
    if (thread_.joinable()) {
        thread_.join();
    }
}

void LibraryWorker::handOverToQueue() {
    std::vector<Item> left;
    for (const Task& task : tasks_) {
        if (task.item) {
            left.push_back(*task.item);
        }
    }
    tasks_.clear();
    if (current_) {
        left.push_back(*current_);
    }
    const Provenance by = currentProvenance();
    for (const Item& item : left) {
        std::string error;
        enqueueRow(location_.queueDir, makeRow(item, by), error);
    }
    if (socket_ >= 0) {
        // What waits on the server fails at once; a store's item waits in the queue already.
        // The connection is dead: the next task opens the library again.
        ::shutdown(socket_, SHUT_RDWR);
        cut_ = true;
    }
}

void LibraryWorker::record(Item item) {
    Task task;
    task.item = std::move(item);
    add(std::move(task));
}

void LibraryWorker::run(const Client* owner, Job job) {
    Task task;
    task.owner = owner;
    task.job = std::move(job);
    add(std::move(task));
}

void LibraryWorker::add(Task task) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
        if (!thread_.joinable()) {
            thread_ = std::thread([this] { loop(); });
        }
    }
    wake_.notify_all();
}

void LibraryWorker::cancel(const Client* owner) {
    std::unique_lock lock(mutex_);
    std::erase_if(tasks_, [owner](const Task& task) { return task.owner == owner; });
    const auto done = [this, owner] { return running_ != owner; };
    if (!waitsOnServer()) {
        idle_.wait(lock, done);  // a file's query ends by itself
    } else if (!idle_.wait_for(lock, kCloseGrace, done)) {
        // The server has gone silent: the job's query fails at once, and the recordings behind
        // it wait in the local queue rather than on that server.
        handOverToQueue();
        idle_.wait(lock, done);
    }
}

void LibraryWorker::flush() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return tasks_.empty() && !busy_; });
}

void LibraryWorker::loop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
        if (tasks_.empty()) {
            break;  // stopping, and everything handed over is dealt with
        }
        Task task = std::move(tasks_.front());
        tasks_.pop_front();
        current_ = task.item;
        running_ = task.owner;
        busy_ = true;
        const bool reopen = std::exchange(cut_, false);
        lock.unlock();
        if (reopen) {
            dropLibrary();
        }
        perform(task);
        task = Task();  // what the job holds goes here, outside the lock
        lock.lock();
        current_.reset();
        running_ = nullptr;
        busy_ = false;
        idle_.notify_all();
    }
    socket_ = -1;
    lock.unlock();
    library_.reset();  // its database connection belongs to this thread
}

void LibraryWorker::perform(const Task& task) {
    if (task.item) {
        const StoreResult result = storeOne(*task.item);
        if (recorded_) {
            recorded_(*task.item, result);
        }
        return;
    }
    Library* lib = openLibrary();
    task.job(lib, openError_);
}

StoreResult LibraryWorker::storeOne(const Item& item) {
    if (openLibrary() == nullptr) {
        StoreResult failed;
        failed.message = openError_;
        return failed;
    }
    StoreResult result = library_->record(item);
    if (result.message.empty()) {
        result.message = notice_;  // what the queue sent, if anything
    }
    notice_.clear();
    return result;
}

void LibraryWorker::dropLibrary() {
    {
        std::lock_guard lock(mutex_);
        socket_ = -1;
    }
    library_.reset();
}

Library* LibraryWorker::openLibrary() {
    if (library_ && !library_->offline()) {
        return library_.get();
    }
    dropLibrary();
    openError_.clear();
    std::string notice;
    library_ = Library::open(location_, openError_, &notice);
    if (!library_) {
        if (openError_.empty()) {
            openError_ = "the library could not be opened";
        }
        return nullptr;
    }
    if (!notice.empty()) {
        notice_ = notice;
    }
    std::lock_guard lock(mutex_);
    socket_ = library_->connectionSocket();
    return library_.get();
}

}  // namespace hm::library
