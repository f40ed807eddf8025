#include "ecu/LinkTickLoop.h"

namespace hm::ecu {

LinkTickLoop::Outcome LinkTickLoop::run(const std::function<bool()>& finished,
                                        std::chrono::milliseconds limit) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + limit;
    Clock::time_point nextTick = Clock::now() + period_;
    if (finished()) {
        return Outcome::Finished;
    }
    for (;;) {
        const Clock::time_point wakeAt = std::min(nextTick, end);
        if (link_.waitForFrames(wakeAt)) {
            link_.drainFrames();
            if (finished()) {
                return Outcome::Finished;
            }
            continue;
        }
        if (Clock::now() >= end) {
            return Outcome::TimeLimit;
        }
        if (Clock::now() < nextTick) {
            continue;
        }
        link_.OnLinkTimer();
        ++ticks_;
        // `finished` may answer a search that found nothing (retry()) before the link is asked
        // whether it still wants ticks.
        if (finished()) {
            return Outcome::Finished;
        }
        if (!link_.wantsTicks()) {
            return Outcome::TimerEnded;
        }
        nextTick = Clock::now() + period_;
    }
}

}  // namespace hm::ecu
