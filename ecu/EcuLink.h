#pragma once
// The ECU link, as the window's session and the command line use it: the port search and
// connection state machine (LinkConnection) with the request ring and its sequences on top of
// it (RequestRing). It routes each frame (the probe's answer to the connection, answers to the
// ring), runs the link timer's ticks and checks that an ECU is linked before a sequence starts.
// It reports what happens to a LinkObserver (LinkEvents.h) and knows nothing of a window.
//
// Threads. Every method is called on the window thread unless its comment says otherwise. The
// receive thread of the open port never touches the link state: its frame handler only copies
// each frame into a FrameQueue and signals. The window thread drains that queue
// (drainFrames), which runs HandleFrame for each frame, so every event and every write to
// the fleet data image happens on the window thread. OnLinkTimer drains before its state
// action, so a response that arrived between two ticks is seen by the next tick. The window's
// session also drains as soon as frames arrive, through a call it posts to its own thread from
// the arrival callback (setFramesArrivedCallback). The flags that the window may read while frames
// are handled are atomics.
//
// Ownership: the link refers to the port, the observer and the image; all three must outlive
// it.
// The destructor closes the port.
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "ecu/EcuProtocol.h"
#include "ecu/LinkConnection.h"
#include "ecu/LinkEvents.h"
#include "ecu/LinkPort.h"
#include "ecu/RequestRing.h"
#include "ecu/SecurityKey.h"
#include "fleetdata/FleetDataImage.h"

namespace hm::ecu {

class EcuLink {
  public:
    EcuLink(ILinkPort& port, LinkObserver& observer, FleetDataImage& image,
            const KeyConstants& keys = kDefaultKeyConstants);
    EcuLink(const EcuLink&) = delete;
    EcuLink& operator=(const EcuLink&) = delete;

    // ---- Frames ------------------------------------------------------------------------
    // Called on the receive thread whenever frames have been queued; must not block (a Qt
    // window posts a queued call to drainFrames). Set it before the first tick.
    void setFramesArrivedCallback(std::function<void()> callback) {
        connection_.setFramesArrivedCallback(std::move(callback));
    }
    // Blocks until a frame is queued or `deadline` passes (console loops). Any thread.
    bool waitForFrames(std::chrono::steady_clock::time_point deadline) const {
        return connection_.waitForFrames(deadline);
    }
    // Handles every queued frame in arrival order; returns how many.
    int drainFrames();

    // Why a frame was not used (RequestRing.h).
    using DropReason = ecu::DropReason;
    static const char* dropReasonText(DropReason reason) { return ecu::dropReasonText(reason); }
    // Called (window thread) for every dropped frame; for traces. Set before the first tick.
    void setDropObserver(
        std::function<void(DropReason reason, const uint8_t* frame, size_t length)> observer) {
        ring_.setDropObserver(std::move(observer));
    }

    // ---- Protocol ----------------------------------------------------------------------
    // Starts the download of a vehicle: clears the image, reports the Download operation
    // (42 steps), unqueues everything and queues the vehicle identification. Also the reload
    // button's action.
    void BeginDownload() { ring_.BeginDownload(); }

    // ---- Connection state machine -----------------------------------------------------
    // One tick of the link timer: drains queued frames, then acts on the state. Returns
    // wantsTicks() as the tick leaves it.
    bool OnLinkTimer();
    // False while the link waits for the user (a pass found no ECU), works offline or has
    // stopped (unsupported ECU): ticks then do nothing.
    bool wantsTicks() const { return connection_.wantsTicks(); }
    // Starts a new search pass from the first port: the answer Yes to the question after a
    // pass that found nothing, or a search asked for while working offline. Does nothing
    // while a port is being searched or the ECU is connected, or once the link has stopped.
    void retry() { connection_.retry(); }
    // The answer No: closes and stops ticking (LinkState::Offline, reported as workingOffline).
    // Only while waiting for the user.
    void workOffline() { connection_.workOffline(); }

    // ---- Erase sequences and close-down (called by the window's session) ---------------
    // Security access, queued before the erase selection dialog opens.
    void queueRequestSeed() { ring_.queueRequestSeed(); }
    // Both erase starts move the poll cursor to the start of the ring while the security
    // handshake is still pending, so that it goes out before the erase requests.
    // Fleet erase of blocks 0..9 followed by a read-back; progress of 52 steps. Refused (false,
    // nothing changed) unless the ECU supports fleet data (supportLevel 1); the caller then
    // shows "ECU Does Not Support Haulmetry".
    bool startFleetErase() { return linked() && ring_.startFleetErase(); }
    // Stability-record erase: zeroes the 32 records of the image and the count, writes the 32
    // zero records back and reads them; progress of 62 steps. Allowed for levels 1 and 2
    // (false, nothing changed, for an unsupported ECU or no link).
    bool startRecordErase() { return linked() && ring_.startRecordErase(); }
    // The close operation: true when the caller should end now (no ECU link, or a close was
    // already requested). Otherwise marks the close as requested, queues StopSession and
    // returns false; the ECU's answer is reported as closeDone. A download or read-back under
    // way is dropped, so StopSession is the next request after the one outstanding; an
    // erase's writes are finished first.
    bool requestClose() { return !linked() || ring_.requestClose(); }
    // Shutting down now (a signal in the command line): drops every queued request so that
    // StopSession is the next one sent, and marks the close as requested. True when there is
    // no session to end (not connected and polling); the caller then closes at once.
    bool cancelForShutdown();

    // ---- State (window thread; atomics may be read from any thread) ---------------------
    LinkState linkState() const { return connection_.linkState(); }
    bool linked() const { return connection_.linked(); }
    SupportLevel supportLevel() const { return ring_.supportLevel(); }
    bool closeRequested() const { return ring_.closeRequested(); }
    std::string ecuType() const { return ring_.ecuType(); }

    // Frames not used (see HandleFrame), in total and those of them with a bad checksum or
    // length.
    int droppedFrames() const { return ring_.droppedFrames(); }
    int badFrames() const { return ring_.badFrames(); }

    // Refusals and response time-outs since the download last got further than ever before
    // (a reconnection that repeats answers already had is no progress). A caller without a
    // user to ask (the command line) gives up when this grows too large.
    int failuresWithoutProgress() const { return ring_.failuresWithoutProgress(); }
    // The request of the last refusal or time-out, e.g. "ReadFleetBlock block 3", and what
    // happened ("refused" or "no valid answer in time"); empty before any.
    std::string lastFailedRequest() const { return ring_.lastFailedRequest(); }
    std::string lastFailure() const { return ring_.lastFailure(); }
    // The request awaiting its answer, described as above; empty when none.
    std::string outstandingRequest() const { return ring_.outstandingRequest(); }

  private:
    // Single steps and inner state: the link's own, and its test peer's
    // (tests/support/EcuLinkTestPeer.h); the program sees the link through its events.
    friend class EcuLinkTestPeer;

    // Handles one complete frame (length byte .. checksum). A frame whose length byte does not
    // match, whose checksum is wrong or that is shorter than its handling reads is ignored
    // like an unrecognised response: awaitingResponse stays set and the time-out follows.
    // The probe's answer goes to the connection, every other frame to the ring (which uses it
    // only when it answers the outstanding request). Frames not used are dropped, counted and
    // reported to the drop observer.
    void HandleFrame(const uint8_t* frame, size_t length);
    // The session on a connected ECU: starts it, polls it, ends it with the connection.
    void connected();
    void poll();
    void endConnection(LossReason reason);

    // The ring is made first and ends last: the connection's destructor closes the port and
    // joins the receive thread before anything the link's frames reach goes away.
    RequestRing ring_;
    LinkConnection connection_;
};

}  // namespace hm::ecu
