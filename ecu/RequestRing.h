#pragma once
// The request ring on a connected ECU and the sequences that run on it: the poll step and the
// answer time-out, the judging of answers (RequestTable.h says what each answer must carry),
// the download of a vehicle, the fleet and record erases with their read-backs, and the
// session's end. It writes requests to the port, fills the fleet data image and reports
// operations, the ECU type and closeDone to the LinkObserver. It knows nothing of the port
// search: EcuLink drives it once the probe was answered (startOnConnection, pollTick) and tells
// it when the connection ended (connectionEnded).
//
// Threads: window thread only. The flags that may be read from any thread are atomics.
// Ownership: refers to the port, the observer and the image; all three must outlive it.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ecu/EcuProtocol.h"
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
// Poll steps per tick: enough to search the whole ring more than three times.
constexpr int kPollStepsPerTick = 38;
static_assert(kPollStepsPerTick > 3 * kRingSize);
// Progress totals of the three ECU operations.
constexpr int kDownloadSteps = 42;
constexpr int kFleetEraseSteps = 52;
constexpr int kRecordEraseSteps = 62;

// Why a frame was not used.
enum class DropReason {
    BadFrame,      // length byte or checksum wrong
    NotAwaited,    // no request outstanding (late or repeated answer)
    NotMatching,   // answers another request, or an echo of a request
    PendingLimit,  // one "response pending" too many
    TooShort       // the response lacks bytes its handling needs
};
const char* dropReasonText(DropReason reason);

class RequestRing {
  public:
    // `stopLink` stops the link for an unsupported ECU; it returns false when the link had
    // stopped already (the notice is then not given again).
    RequestRing(ILinkPort& port, LinkObserver& observer, FleetDataImage& image,
                const KeyConstants& keys, std::function<bool()> stopLink);
    RequestRing(const RequestRing&) = delete;
    RequestRing& operator=(const RequestRing&) = delete;

    // ---- Answers ------------------------------------------------------------------------
    // Handles one well-formed frame that is not the probe's answer. It is used only while a
    // request is outstanding and only when it answers that request (see RequestTable.h); a
    // negative response naming the request's service is a refusal (the request stays pending),
    // except 7F xx 78, which only extends the wait. Everything else is dropped. The effects of
    // an answer happen in their order; awaitingResponse is cleared last.
    void HandleFrame(const uint8_t* frame, size_t length);
    // Counts a frame not used (BadFrame ones also in badFrames) and tells the drop observer.
    void drop(DropReason reason, const uint8_t* frame, size_t length);
    void setDropObserver(std::function<void(DropReason, const uint8_t*, size_t)> observer) {
        dropObserver_ = std::move(observer);
    }

    // ---- Driven by the connection ---------------------------------------------------------
    // The ECU answered the probe: begins the download, or, when a close was requested, queues
    // StopSession to go next. Nothing is awaited afterwards.
    void startOnConnection();
    // One tick while polling: counts the outstanding answer's wait, then polls the ring until a
    // request goes out. False (nothing sent) when the outstanding answer is overdue.
    bool pollTick();
    // The connection ended (time-out or hang-up): notes the failure, awaits nothing and ends the
    // operation. Returns the request that was awaiting its answer, described, or empty.
    std::string connectionEnded(LossReason reason);

    // ---- Sequences (EcuLink checks that the ECU is linked first) ----------------------------
    // Clears the image, reports the Download operation (42 steps), unqueues everything and
    // queues the vehicle identification.
    void BeginDownload();
    void queueRequestSeed() { queue(Request::RequestSeed); }
    // Fleet erase of blocks 0..9 and a read-back (52 steps); false, nothing changed, unless the
    // ECU supports fleet data. Both erase starts put the security handshake first.
    bool startFleetErase();
    // Zeroes the image's records, writes them to the ECU and reads them back (62 steps); false,
    // nothing changed, for an unsupported ECU.
    bool startRecordErase();
    // True when a close was requested already. Otherwise marks it, drops a read under way and
    // queues StopSession; returns false.
    bool requestClose();
    // Drops every queued request, queues StopSession to go next, marks the close as requested.
    void cancelForShutdown();

    // ---- State --------------------------------------------------------------------------
    SupportLevel supportLevel() const { return supportLevel_.load(); }
    bool closeRequested() const { return closeRequested_.load(); }
    std::string ecuType() const;
    int droppedFrames() const { return droppedFrames_; }
    int badFrames() const { return badFrames_; }
    int failuresWithoutProgress() const { return failuresWithoutProgress_; }
    std::string lastFailedRequest() const { return lastFailedRequest_; }
    std::string lastFailure() const { return lastFailure_; }
    std::string outstandingRequest() const {
        return awaitingResponse_ ? describeOutstanding() : std::string{};
    }

  private:
    friend class EcuLinkTestPeer;

    // One step of the ring: sends the request at the cursor when it is pending (the cursor
    // stays), otherwise advances the cursor (the last wraps to the first). True when sent.
    bool PollStep();
    // Fills in the variable bytes and the checksum of `request`, sets awaitingResponse and
    // writes the frame. A failed write is not reported (the time-out follows).
    void SendRequest(Request request);
    // Starts a read of the 32 stability records (selectedRecord = 0, record count = 0).
    void QueueRecordRead();
    void queue(Request request);
    void unqueue(Request request);
    bool isPending(Request request) const;
    void unqueueAll();
    void fillVariableBytes(const RequestEntry& entry, std::vector<uint8_t>& frame);

    // The verdict on an awaited frame (drops, 7F xx 78 waits and refusals end here); true when
    // it is the answer to the outstanding request and may change the sequence.
    bool acceptAnswer(const uint8_t* f, size_t length);
    enum class Verdict { Answer, Refusal, Pending, Drop };
    Verdict judge(const uint8_t* f, uint8_t len, DropReason& why) const;
    Verdict judgeNumber(const RequestEntry& entry, const uint8_t* f, uint8_t len,
                        DropReason& why) const;
    // One handler per answer, called by HandleFrame for the outstanding request.
    void handleSeed(const uint8_t* f);
    void handleKeyAccepted();
    void handleSessionStopped();
    void handleBlockErased();
    void handleRecordWritten();
    void handleBlock(const uint8_t* f);
    void handleRecord(const uint8_t* f);
    void handleEcuType(const uint8_t* f);
    void handleVehicleIdent(const uint8_t* f);
    void handleUnsupported();
    void completeRead();
    void putHandshakeFirst();
    void startOperation(LinkOperation operation, int total);
    void done() { awaitingResponse_ = false; }
    void noteFailure(const char* what);
    void noteProgress();
    void staleOutstanding() { outstandingStale_ = awaitingResponse_.load(); }
    std::string describeOutstanding() const;

    ILinkPort& port_;
    LinkObserver& observer_;
    FleetDataImage& image_;
    KeyConstants keys_;
    std::function<bool()> stopLink_;

    std::array<std::atomic<bool>, kRingSize> pending_{};
    std::array<std::vector<uint8_t>, kRingSize> requestFrames_;
    std::atomic<bool> awaitingResponse_{false};
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
    LinkOperation operation_ = LinkOperation::None;

    // The request written last and its block or record number, and its wait.
    Request outstanding_ = Request::ReadVehicleIdent;
    uint8_t outstandingNumber_ = 0;
    // Set when a sequence is started or cancelled while a request is on the wire: its answer
    // then only ends the wait and changes nothing of the new sequence.
    bool outstandingStale_ = false;
    int pendingExtensions_ = 0;
    int responseTicks_ = 0;
    int responseLimit_ = kResponseTickLimit;

    std::function<void(DropReason, const uint8_t*, size_t)> dropObserver_;
    int droppedFrames_ = 0;
    int badFrames_ = 0;
    int answeredThisDownload_ = 0;
    int mostAnswered_ = 0;
    int failuresWithoutProgress_ = 0;
    std::string lastFailedRequest_;
    std::string lastFailure_;
};

}  // namespace hm::ecu
