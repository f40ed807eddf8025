#pragma once
// Collects the frames a receive thread delivers, for tests on the window thread.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

#include "ecu/LinkPort.h"

namespace hmtest {

using Bytes = std::vector<uint8_t>;

class FrameQueue {
  public:
    hm::ecu::FrameHandler handler() {
        return [this](const uint8_t* f, size_t n) {
            std::lock_guard lock(mutex_);
            frames_.emplace_back(f, f + n);
            ++delivered_;
            cv_.notify_all();
        };
    }
    // The next frame, or nothing when none arrives within `timeoutMs` (a failure bound).
    std::optional<Bytes> next(int timeoutMs = 3000) {
        std::unique_lock lock(mutex_);
        if (!cv_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                          [this] { return !frames_.empty(); })) {
            return std::nullopt;
        }
        Bytes f = std::move(frames_.front());
        frames_.pop_front();
        return f;
    }
    size_t delivered() {
        std::lock_guard lock(mutex_);
        return delivered_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<Bytes> frames_;
    size_t delivered_ = 0;
};

}  // namespace hmtest
