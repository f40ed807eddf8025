#include "library/Recorder.h"

#include <sys/socket.h>

#include "library/StoreRow.h"

namespace hm::library {
namespace {

// How long the end of the program waits for a shared library to take what is left.
constexpr std::chrono::milliseconds kCloseGrace{1500};

}  // namespace

Recorder::Recorder(Location location, Done done)
    : location_(std::move(location)), done_(std::move(done)) {}

Recorder::~Recorder() {
    {
        std::unique_lock lock(mutex_);
        stopping_ = true;
        wake_.notify_all();
        if (location_.shared && location_.refused.empty() &&
            !idle_.wait_for(lock, kCloseGrace, [this] { return items_.empty() && !busy_; })) {
            handOverToQueue();
        }
    }
    if (thread_.joinable()) {
        thread_.join();
    }
}

void Recorder::handOverToQueue() {
    std::vector<Item> left(items_.begin(), items_.end());
    items_.clear();
    if (busy_) {
        left.push_back(current_);
    }
    const Provenance by = currentProvenance();
    for (const Item& item : left) {
        std::string error;
        enqueueRow(location_.queueDir, makeRow(item, by), error);
    }
    if (socket_ >= 0) {
        // The store waiting on the server fails at once; its item waits in the queue already.
        ::shutdown(socket_, SHUT_RDWR);
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
        current_ = item;
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
    socket_ = -1;
    lock.unlock();
    library_.reset();  // its database connection belongs to this thread
}

StoreResult Recorder::storeOne(const Item& item) {
    // A shared library whose server could not be reached is opened again for every item: the
    // server may be back, and opening it sends what waits in the local queue.
    if (library_ && library_->offline()) {
        {
            std::lock_guard lock(mutex_);
            socket_ = -1;
        }
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
        std::lock_guard lock(mutex_);
        socket_ = library_->connectionSocket();
    }
    StoreResult result = library_->record(item);
    if (result.message.empty()) {
        result.message = notice;  // what the queue sent, if anything
    }
    return result;
}

}  // namespace hm::library
