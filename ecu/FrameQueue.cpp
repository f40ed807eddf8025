#include "ecu/FrameQueue.h"

#include <utility>

namespace hm::ecu {

void FrameQueue::setArrivedCallback(std::function<void()> callback) {
    std::lock_guard lock(mutex_);
    callback_ = std::move(callback);
}

bool FrameQueue::push(const uint8_t* bytes, size_t length) {
    std::function<void()> callback;
    {
        std::lock_guard lock(mutex_);
        if (frames_.size() >= kMaxQueued) {
            return false;
        }
        frames_.emplace_back(bytes, bytes + length);
        callback = callback_;
    }
    arrived_.notify_all();
    if (callback) {
        callback();
    }
    return true;
}

std::optional<FrameQueue::Frame> FrameQueue::pop() {
    std::lock_guard lock(mutex_);
    if (frames_.empty()) {
        return std::nullopt;
    }
    Frame frame = std::move(frames_.front());
    frames_.pop_front();
    return frame;
}

void FrameQueue::clear() {
    std::lock_guard lock(mutex_);
    frames_.clear();
}

bool FrameQueue::empty() const {
    std::lock_guard lock(mutex_);
    return frames_.empty();
}

bool FrameQueue::waitUntil(std::chrono::steady_clock::time_point deadline) const {
    std::unique_lock lock(mutex_);
    return arrived_.wait_until(lock, deadline, [this] { return !frames_.empty(); });
}

}  // namespace hm::ecu
