#pragma once
// Hands complete frames from the receive thread to the window thread. The receive thread only
// pushes (a copy, under a short lock) and signals: it never waits for the window thread, so
// ClosePort can always join it. The window thread pops and handles the frames in arrival order.
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

namespace hm::ecu {

class FrameQueue {
  public:
    using Frame = std::vector<uint8_t>;

    // Frames beyond this many waiting are dropped (a flooding line); the protocol then sees a
    // missing response and times out.
    static constexpr size_t kMaxQueued = 256;

    // Called on the receive thread after each push, outside the lock. Set it before frames can
    // arrive (before the first port is opened); it must not block.
    void setArrivedCallback(std::function<void()> callback);

    // Receive thread: copies the frame in, wakes a waiter, calls the callback. False when the
    // frame was dropped because the queue is full.
    bool push(const uint8_t* bytes, size_t length);

    // Window thread: the oldest frame, or nothing.
    std::optional<Frame> pop();

    // Discards every waiting frame (frames of a connection that has just been closed).
    void clear();

    bool empty() const;

    // Blocks until a frame is waiting or `deadline` has passed; true when a frame is waiting.
    bool waitUntil(std::chrono::steady_clock::time_point deadline) const;

  private:
    mutable std::mutex mutex_;
    mutable std::condition_variable arrived_;
    std::deque<Frame> frames_;
    std::function<void()> callback_;
};

}  // namespace hm::ecu
