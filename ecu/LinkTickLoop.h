#pragma once
// Drives an EcuLink in real time on the calling thread, the way the window's timer does
// without a window: a tick every `period` (counted from the end of the previous tick, like a
// timer that is stopped during the tick and started again after it), and queued frames
// handled as soon as they arrive between ticks. Used by the command line and the end-to-end
// tests.
#include <chrono>
#include <functional>

#include "ecu/EcuLink.h"

namespace hm::ecu {

class LinkTickLoop {
  public:
    enum class Outcome {
        Finished,    // `finished` returned true
        TimerEnded,  // the link stopped ticking (offline, unsupported ECU)
        TimeLimit    // `limit` passed first
    };

    explicit LinkTickLoop(EcuLink& link,
                          std::chrono::milliseconds period = std::chrono::milliseconds(100))
        : link_(link), period_(period) {}

    // Runs until `finished()` is true (checked after every tick and every batch of frames),
    // the link stops ticking, or `limit` has passed.
    Outcome run(const std::function<bool()>& finished, std::chrono::milliseconds limit);

    // Ticks run so far, over every call of run().
    int ticks() const { return ticks_; }

  private:
    EcuLink& link_;
    std::chrono::milliseconds period_;
    int ticks_ = 0;
};

}  // namespace hm::ecu
