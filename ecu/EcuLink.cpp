#include "ecu/EcuLink.h"

namespace hm::ecu {

EcuLink::EcuLink(ILinkPort& port, LinkObserver& observer, FleetDataImage& image,
                 const KeyConstants& keys)
    : ring_(port, observer, image, keys, [this] { return connection_.stop(); }),
      connection_(port, observer) {}

int EcuLink::drainFrames() {
    int handled = 0;
    while (auto frame = connection_.nextFrame()) {
        HandleFrame(frame->data(), frame->size());
        ++handled;
    }
    return handled;
}

void EcuLink::HandleFrame(const uint8_t* f, size_t length) {
    // A frame is used only when it is complete and its checksum holds; anything else is
    // dropped, so no byte of it reaches the image.
    const bool wellFormed = frameIsWellFormed(f, length);
    connection_.countFrame(wellFormed);
    if (!wellFormed) {
        ring_.drop(DropReason::BadFrame, f, length);
        return;
    }
    if (f[1] == rsp::kLinkProbe) {
        // awaitingResponse is not touched by the probe's answer.
        if (!connection_.takeProbeAnswer(f)) {
            ring_.drop(DropReason::TooShort, f, length);
        }
        return;
    }
    ring_.HandleFrame(f, length);
}

bool EcuLink::OnLinkTimer() {
    if (!wantsTicks()) {
        return false;
    }
    drainFrames();
    switch (connection_.linkState()) {
        case LinkState::Connected:
            connected();
            break;
        case LinkState::Polling:
            poll();
            break;
        default:
            // The search, or nothing: the unsupported ECU found while this tick drained its
            // frames has stopped the link.
            connection_.searchStep();
            break;
    }
    return wantsTicks();
}

void EcuLink::connected() {
    connection_.reportConnected();
    ring_.startOnConnection();
    connection_.startPolling();
}

void EcuLink::poll() {
    // A line that hung up (adapter unplugged, the far end gone) answers nothing again: the
    // connection is lost now, also while idle, not at the next request's time-out.
    if (connection_.lineHungUp()) {
        endConnection(LossReason::HungUp);
        return;
    }
    if (!ring_.pollTick()) {
        endConnection(LossReason::TimedOut);
    }
}

void EcuLink::endConnection(LossReason reason) {
    const std::string outstanding = ring_.connectionEnded(reason);
    connection_.lose(reason, outstanding);
}

bool EcuLink::cancelForShutdown() {
    if (connection_.linkState() != LinkState::Polling || !linked()) {
        return true;
    }
    ring_.cancelForShutdown();
    return false;
}

}  // namespace hm::ecu
