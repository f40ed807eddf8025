#pragma once
// The ECU link: request ring and poll step, frame handling and the download sequence, the
// connection state machine (LinkState), the erase sequences and the close-down request. It
// reports what happens to a LinkObserver (LinkEvents.h) and knows nothing of a window.
//
// Threads. Every method is called on the window thread unless its comment says otherwise. The
// receive thread of the open port never touches the link state: its frame handler only copies
// each frame into a FrameQueue and signals. The window thread drains that queue
// (DrainFrames), which runs HandleFrame for each frame, so every event and every write to
// the fleet data image happens on the window thread. OnLinkTimer drains before its state
// action, so a response that arrived between two ticks is seen by the next tick. The window's
// session also drains as soon as frames arrive, through a call it posts to its own thread from
// the arrival callback (setFramesArrivedCallback). The flags that the window may read while frames
// are handled are atomics.
//
// Ownership: the link refers to the port, the observer and the image; all three must outlive
// it.
// The destructor closes the port.
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ecu/EcuProtocol.h"
#include "ecu/FrameQueue.h"
#include "ecu/LinkEvents.h"
#include "ecu/LinkPort.h"
#include "ecu/SecurityKey.h"
#include "fleetdata/FleetDataImage.h"

namespace hm::ecu {

// Ticks a response may take: the tick that sends resets the counter, the next 20 count it up,
// the 21st finds it at the limit and ends the connection.
constexpr int kResponseTickLimit = 20;
// "Response pending" (7F xx 78): the ECU needs more time. Each one restarts the wait with this
// longer limit (about 5 s, the usual P2* allowance); at most kMaxPendingExtensions of them are
// honoured per request, so an ECU that only ever says "pending" still times out.
constexpr int kPendingTickLimit = 50;
constexpr int kMaxPendingExtensions = 6;
constexpr uint8_t kNrcResponsePending = 0x78;
// Poll steps per tick: enough to search the whole ring more than three times.
constexpr int kPollStepsPerTick = 38;
// Progress totals of the three ECU operations.
constexpr int kDownloadSteps = 42;
constexpr int kFleetEraseSteps = 52;
constexpr int kRecordEraseSteps = 62;

class EcuLink {
  public:
    EcuLink(ILinkPort& port, LinkObserver& observer, FleetDataImage& image,
            const KeyConstants& keys = kDefaultKeyConstants);
    ~EcuLink();
    EcuLink(const EcuLink&) = delete;
    EcuLink& operator=(const EcuLink&) = delete;

    // ---- Frames ------------------------------------------------------------------------
    // Called on the receive thread whenever frames have been queued; must not block (a Qt
    // window posts a queued call to DrainFrames). Set it before the first tick.
    void setFramesArrivedCallback(std::function<void()> callback);
    // Blocks until a frame is queued or `deadline` passes (console loops). Any thread.
    bool waitForFrames(std::chrono::steady_clock::time_point deadline) const;
    // Handles every queued frame in arrival order; returns how many.
    int DrainFrames();

    // Why a frame was not used.
    enum class DropReason {
        BadFrame,      // length byte or checksum wrong
        NotAwaited,    // no request outstanding (late or repeated answer)
        NotMatching,   // answers another request, or an echo of a request
        PendingLimit,  // one "response pending" too many
        TooShort       // the response lacks bytes its handling needs
    };
    static const char* DropReasonText(DropReason reason);
    // Called (window thread) for every dropped frame; for traces. Set before the first tick.
    void setDropObserver(
        std::function<void(DropReason reason, const uint8_t* frame, size_t length)> observer) {
        dropObserver_ = std::move(observer);
    }

    // ---- Protocol ----------------------------------------------------------------------
    // Starts the download of a vehicle: clears the image, reports the Download operation
    // (42 steps), unqueues everything and queues the vehicle identification. Also the reload
    // button's action.
    void BeginDownload();

    // ---- Connection state machine -----------------------------------------------------
    // One tick of the link timer: drains queued frames, then acts on the state. Returns
    // wantsTicks() as the tick leaves it.
    bool OnLinkTimer();
    // False while the link waits for the user (a pass found no ECU), works offline or has
    // stopped (unsupported ECU): ticks then do nothing.
    bool wantsTicks() const;
    // Starts a new search pass from the first port: the answer Yes to the question after a
    // pass that found nothing, or a search asked for while working offline. Does nothing
    // while a port is being searched or the ECU is connected, or once the link has stopped.
    void retry();
    // The answer No: closes and stops ticking (LinkState::Offline, reported as workingOffline).
    // Only while waiting for the user.
    void workOffline();

    // ---- Erase sequences and close-down (called by the window's session) ---------------
    // Security access, queued before the erase selection dialog opens.
    void QueueRequestSeed() { Queue(Request::RequestSeed); }
    // Both erase starts move the poll cursor to the start of the ring while the security
    // handshake is still pending, so that it goes out before the erase requests.
    // Fleet erase of blocks 0..9 followed by a read-back; progress of 52 steps. Refused (false,
    // nothing changed) unless the ECU supports fleet data (supportLevel 1); the caller then
    // shows "ECU Does Not Support Haulmetry".
    bool StartFleetErase();
    // Stability-record erase: zeroes the 32 records of the image and the count, writes the 32
    // zero records back and reads them; progress of 62 steps. Allowed for levels 1 and 2
    // (false, nothing changed, for an unsupported ECU or no link).
    bool StartRecordErase();
    // The close operation: true when the caller should end now (no ECU link, or a close was
    // already requested). Otherwise marks the close as requested, queues StopSession and
    // returns false; the ECU's answer is reported as closeDone. A download or read-back under
    // way is dropped, so StopSession is the next request after the one outstanding; an
    // erase's writes are finished first.
    bool RequestClose();
    // Shutting down now (a signal in the command line): drops every queued request so that
    // StopSession is the next one sent, and marks the close as requested. True when there is
    // no session to end (not connected and polling); the caller then closes at once.
    bool CancelForShutdown();

    // ---- State (window thread; atomics may be read from any thread) ---------------------
    LinkState linkState() const { return linkState_; }
    bool linked() const { return linkAnswer_.load() != -1; }
    SupportLevel supportLevel() const { return supportLevel_.load(); }
    bool closeRequested() const { return closeRequested_.load(); }
    std::string ecuType() const;

    // Frames not used (see HandleFrame), in total and those of them with a bad checksum or
    // length.
    int droppedFrames() const { return droppedFrames_; }
    int badFrames() const { return badFrames_; }

    // Refusals and response time-outs since the download last got further than ever before
    // (a reconnection that repeats answers already had is no progress). A caller without a
    // user to ask (the command line) gives up when this grows too large.
    int failuresWithoutProgress() const { return failuresWithoutProgress_; }
    // The request of the last refusal or time-out, e.g. "ReadFleetBlock block 3", and what
    // happened ("refused" or "no valid answer in time"); empty before any.
    std::string lastFailedRequest() const { return lastFailedRequest_; }
    std::string lastFailure() const { return lastFailure_; }
    // The request awaiting its answer, described as above; empty when none.
    std::string outstandingRequest() const {
        return awaitingResponse_ ? describeOutstanding() : std::string{};
    }

  private:
    // Single steps and inner state: the link's own, and its test peer's
    // (tests/support/EcuLinkTestPeer.h); the program sees the link through its events.
    friend class EcuLinkTestPeer;

    // Handles one complete frame (length byte .. checksum). A frame whose length byte does not
    // match, whose checksum is wrong or that is shorter than its handling reads is ignored
    // like an unrecognised response: awaitingResponse stays set and the time-out follows.
    //
    // A response is used only while a request is outstanding and only when it answers that
    // request: the positive response number and sub-function of its service, and, for block
    // and record requests, the same block or record number. A negative response naming the
    // request's service is a refusal (the request stays pending), except 7F xx 78 ("response
    // pending"), which only extends the wait. Everything else (a late or repeated answer, an
    // echo, a bad frame) is dropped, counted and reported to the drop observer.
    void HandleFrame(const uint8_t* frame, size_t length);
    // One step of the ring: sends the request at the cursor when it is pending (the cursor
    // stays), otherwise advances the cursor (9 wraps to 0). True when a request was sent.
    bool PollStep();
    // Fills in the variable bytes and the checksum of `request`, sets awaitingResponse and
    // writes the frame. A failed write is not reported (the time-out follows).
    void SendRequest(Request request);
    // Starts a read of the 32 stability records (selectedRecord = 0, record count = 0).
    void QueueRecordRead();
    void Queue(Request request);
    void Unqueue(Request request);
    bool IsPending(Request request) const;
    int responseTicks() const { return responseTicks_; }
    int linkAnswer() const { return linkAnswer_.load(); }
    bool awaitingResponse() const { return awaitingResponse_.load(); }
    int pollCursor() const { return pollCursor_; }
    int blockNumber() const { return blockNumber_; }
    uint16_t securitySeed() const { return securitySeed_; }
    uint16_t securityKey() const { return securityKey_; }
    int pendingExtensions() const { return pendingExtensions_; }
    // The record counter of a record sequence (read, write).
    int selectedRecord() const { return selectedRecord_; }
    void setBlockNumber(int block) { blockNumber_ = static_cast<uint8_t>(block); }
    // Completed record reads (end of a download, an erase read-back) since construction.
    int completedReads() const { return completedReads_.load(); }

    void openNextPort();
    void giveUpPort();
    void endOfPass();
    void probeWait();
    PortAttempt attemptHere(AttemptOutcome outcome) const;
    void tried(const PortAttempt& attempt);
    void startOperation(LinkOperation operation, int total);
    void connected();
    void poll();
    // The connection ends (time-out or hang-up): closes the port, searches again from the same
    // port at the next tick, reports connectionLost.
    void endConnection(LossReason reason);
    void closeConnection();

    // The checks of HandleFrame before an answer is used: well-formed, the probe answer (taken
    // here), awaited, and the verdict on it (drops, 7F xx 78 waits and refusals end here).
    // True when `f` is the answer to the outstanding request.
    bool acceptFrame(const uint8_t* f, size_t length);
    // One handler per answer, called by HandleFrame for the outstanding request.
    void handleSeed(const uint8_t* f);
    void handleKeyAccepted();
    void handleSessionStopped();
    void handleBlockErased();
    void handleRecordWritten();
    void handleBlock(const uint8_t* f, size_t length);
    void handleRecord(const uint8_t* f, size_t length);
    void handleEcuType(const uint8_t* f);
    void handleVehicleIdent(const uint8_t* f);
    void handleUnsupported();
    void completeRead();
    void putHandshakeFirst();
    void done() { awaitingResponse_ = false; }
    enum class Verdict { Answer, Refusal, Pending, Drop };
    Verdict judge(const uint8_t* f, uint8_t len, DropReason& why) const;
    void drop(DropReason reason, const uint8_t* f, size_t length);
    void noteFailure(const char* what);
    void noteProgress();
    void staleOutstanding() { outstandingStale_ = awaitingResponse_.load(); }
    std::string describeOutstanding() const;

    ILinkPort& port_;
    LinkObserver& observer_;
    FleetDataImage& image_;
    KeyConstants keys_;
    FrameQueue frames_;

    std::array<std::atomic<bool>, kRingSize> pending_{};
    std::array<std::vector<uint8_t>, kRingSize> requestFrames_;
    std::atomic<bool> awaitingResponse_{false};
    std::atomic<int> linkAnswer_{-1};
    std::atomic<SupportLevel> supportLevel_{SupportLevel::None};
    std::atomic<bool> closeRequested_{false};
    std::atomic<int> completedReads_{0};

    uint8_t pollCursor_ = 0;
    uint8_t blockNumber_ = 0;
    uint8_t lastEraseBlock_ = 0;
    int selectedRecord_ = 0;
    uint16_t securitySeed_ = 0;
    uint16_t securityKey_ = 0;
    char ecuType_[5] = {'\0', '\0', '\0', '\0', '\0'};

    LinkState linkState_ = LinkState::OpenPort;
    LinkOperation operation_ = LinkOperation::None;
    int portIndex_ = 0;
    std::vector<PortAttempt> passAttempts_;
    int responseTicks_ = 0;
    int responseLimit_ = kResponseTickLimit;

    // The request written last and its block or record number (window thread).
    Request outstanding_ = Request::ReadVehicleIdent;
    uint8_t outstandingNumber_ = 0;
    // Set when a sequence is started or cancelled while a request is on the wire: its answer
    // then only ends the wait and changes nothing of the new sequence.
    bool outstandingStale_ = false;
    int pendingExtensions_ = 0;

    std::function<void(DropReason, const uint8_t*, size_t)> dropObserver_;
    int droppedFrames_ = 0;
    int badFrames_ = 0;
    int framesSinceOpen_ = 0;
    int badFramesSinceOpen_ = 0;
    int answeredThisDownload_ = 0;
    int mostAnswered_ = 0;
    int failuresWithoutProgress_ = 0;
    std::string lastFailedRequest_;
    std::string lastFailure_;
};

}  // namespace hm::ecu
