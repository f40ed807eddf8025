#pragma once
// The receive thread of an open port: waits with poll() for received bytes or for the stop
// signal (an eventfd), reads what is queued in chunks of at most 260 bytes (FIONREAD), feeds
// each chunk to a FrameAssembler and hands every complete frame to the handler, one at a
// time; the next chunk is read only after the handler has returned.
//
// When the line hangs up (POLLHUP, POLLERR, or a read error such as EIO after an adapter is
// unplugged) the thread stops reading and waits on the stop signal alone, so it uses no CPU;
// the link's response time-out then closes the port as for any silent ECU.
//
// start() and stop() are called by the owner (window thread); the handler and the chunk
// observer run on the receive thread. The descriptor stays owned by the caller and must stay
// open until stop() has returned.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <thread>

#include "ecu/FrameAssembler.h"
#include "ecu/LinkPort.h"

namespace hm::ecu {

class ReceiveThread {
  public:
    static constexpr size_t kChunkSize = 260;

    // Called with the size of every read, before its bytes are assembled (tests, tracing).
    using ChunkObserver = std::function<void(const uint8_t* bytes, size_t count)>;

    ReceiveThread() = default;
    ~ReceiveThread() { stop(); }
    ReceiveThread(const ReceiveThread&) = delete;
    ReceiveThread& operator=(const ReceiveThread&) = delete;

    // Starts the thread on `fd`. False when already running or the wake-up fd cannot be made.
    bool start(int fd, FrameHandler handler, ChunkObserver observer = {});

    // Wakes the thread, waits for it to end. Never called from the handler. Safe when stopped.
    // After it returns the handler and observer are never called again.
    void stop();

    bool running() const { return thread_.joinable(); }
    // True once the thread has seen the line hang up (until the next start()).
    bool hungUp() const { return hungUp_.load(); }
    // Times the thread's wait has returned since start() (a spinning thread shows here).
    uint64_t wakeups() const { return wakeups_.load(); }

  private:
    void ReceiveLoop();
    void waitForStop();

    int fd_ = -1;
    int wakeFd_ = -1;
    FrameHandler handler_;
    ChunkObserver observer_;
    FrameAssembler assembler_;
    std::atomic<bool> stopReceive_{false};
    std::atomic<bool> hungUp_{false};
    std::atomic<uint64_t> wakeups_{0};
    std::thread thread_;
};

}  // namespace hm::ecu
