#include "library/Recorder.h"

namespace hm::library {

Recorder::Recorder(Location location, Done done)
    : location_(std::move(location)), done_(std::move(done)) {}

Recorder::~Recorder() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void Recorder::record(Item item) {
    {
        std::lock_guard lock(mutex_);
        items_.push_back(std::move(item));
        if (!thread_.joinable()) {
            thread_ = std::thread([this] { run(); });
        }
    }
    wake_.notify_all();
}

void Recorder::flush() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return items_.empty() && !busy_; });
}

void Recorder::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !items_.empty(); });
        if (items_.empty()) {
            break;  // stopping, and everything handed over is dealt with
        }
        const Item item = std::move(items_.front());
        items_.pop_front();
        busy_ = true;
        lock.unlock();
        const StoreResult result = storeOne(item);
        if (done_) {
            done_(item, result);
        }
        lock.lock();
        busy_ = false;
        idle_.notify_all();
    }
    lock.unlock();
    library_.reset();  // its database connection belongs to this thread
}

StoreResult Recorder::storeOne(const Item& item) {
    // A shared library whose server could not be reached is opened again for every item: the
    // server may be back, and opening it sends what waits in the local queue.
    if (library_ && library_->offline()) {
        library_.reset();
    }
    std::string notice;
    if (!library_) {
        std::string error;
        library_ = Library::open(location_, error, &notice);
        if (!library_) {
            StoreResult failed;
            failed.message = error;
            return failed;
        }
    }
    StoreResult result = library_->record(item);
    if (result.message.empty()) {
        result.message = notice;  // what the queue sent, if anything
    }
    return result;
}

}  // namespace hm::library
