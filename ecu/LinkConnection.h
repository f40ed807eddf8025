#pragma once
// The port search and the connection state machine (LinkState): opens each port of the table in
// turn, probes it twice and waits for the probe's answer, gives the port up or reports it
// connected, reports each pass (portTried, searchFailed) and waits for the user's retry or
// workOffline; notices a lost connection and starts the search again from the same port. It
// owns the hand-over of frames from the receive thread (FrameQueue) and takes the probe's answer
// (linkAnswer); everything else a frame says is the request ring's. The link (EcuLink) runs the
// session on it once it is Connected.
//
// Threads: window thread, except setFramesArrivedCallback's callback and waitForFrames (any
// thread). linkAnswer is an atomic. Ownership: refers to the port and the observer, which must
// outlive it; the destructor closes the port.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ecu/FrameQueue.h"
#include "ecu/LinkEvents.h"
#include "ecu/LinkPort.h"

namespace hm::ecu {

class LinkConnection {
  public:
    LinkConnection(ILinkPort& port, LinkObserver& observer);
    ~LinkConnection();
    LinkConnection(const LinkConnection&) = delete;
    LinkConnection& operator=(const LinkConnection&) = delete;

    // ---- Frames of the open port ------------------------------------------------------
    // Called on the receive thread whenever frames have been queued; must not block.
    void setFramesArrivedCallback(std::function<void()> callback);
    // Blocks until a frame is queued or `deadline` passes. Any thread.
    bool waitForFrames(std::chrono::steady_clock::time_point deadline) const;
    // The oldest queued frame, or nothing.
    std::optional<FrameQueue::Frame> nextFrame() { return frames_.pop(); }
    // Counts a frame of the open port, for the verdict on a port that answers only garbage.
    void countFrame(bool wellFormed);
    // Takes the probe's answer (a well-formed frame with service D0): its three digits give
    // linkAnswer. False, nothing taken, when it is too short to hold them.
    bool takeProbeAnswer(const uint8_t* frame);

    // ---- State machine ----------------------------------------------------------------
    LinkState linkState() const { return linkState_; }
    // False while waiting for the user, working offline or stopped.
    bool wantsTicks() const;
    bool linked() const { return linkAnswer_.load() != -1; }
    int linkAnswer() const { return linkAnswer_.load(); }
    // One tick of the search (OpenPort .. GiveUp): opens, probes, waits or gives the port up.
    // Does nothing in the other states.
    void searchStep();
    // Connected: reports the port (portTried, connected). The caller then starts the session
    // and calls startPolling.
    void reportConnected();
    void startPolling() { linkState_ = LinkState::Polling; }
    bool lineHungUp() const { return port_.lineHungUp(); }
    // The connection is lost: no link, the port closed, the search goes on from the same port
    // at the next tick; reported as connectionLost with the request that was awaited.
    void lose(LossReason reason, const std::string& outstanding);
    // Stops the link for good (an unsupported ECU): no link, no more ticks. False when it had
    // stopped already.
    bool stop();
    // A new pass from the first port, while waiting for the user or working offline.
    void retry();
    // Closes and goes offline (reported as workingOffline); only while waiting for the user.
    void workOffline();

  private:
    void openNextPort();
    void giveUpPort();
    void endOfPass();
    void probeWait();
    PortAttempt attemptHere(AttemptOutcome outcome) const;
    void tried(const PortAttempt& attempt);
    void closeConnection();

    ILinkPort& port_;
    LinkObserver& observer_;
    FrameQueue frames_;
    std::atomic<int> linkAnswer_{-1};
    LinkState linkState_ = LinkState::OpenPort;
    int portIndex_ = 0;
    std::vector<PortAttempt> passAttempts_;
    int framesSinceOpen_ = 0;
    int badFramesSinceOpen_ = 0;
};

}  // namespace hm::ecu
