#include "ecu/EcuLink.h"

#include <cstdio>
#include <cstring>

#include "fleetdata/StabilityRecord.h"

namespace hm::ecu {
namespace {

constexpr int ringIndex(Request r) {
    return static_cast<int>(r);
}

// Bytes a handling reads, as the smallest length byte L that holds them (byte i needs L > i).
constexpr uint8_t kMinLengthDigits = 6;   // D0: bytes 3..5
constexpr uint8_t kMinLengthSub = 3;      // byte 2 selects the handling
constexpr uint8_t kMinLengthSeed = 5;     // 67 05: bytes 3..4
constexpr uint8_t kMinLengthBlock = 68;   // 61 24: bytes 3..67
constexpr uint8_t kMinLengthType = 7;     // 61 64: bytes 3..6
constexpr uint8_t kMinLengthIdent = 20;   // 5A: bytes 3..19
constexpr uint8_t kMinLengthRecord = 20;  // 61 39: bytes 4..19
constexpr size_t kIdentChars = 17;

uint32_t be32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}
uint32_t be16(const uint8_t* p) {
    return (uint32_t{p[0]} << 8) | p[1];
}

}  // namespace

EcuLink::EcuLink(ILinkPort& port, LinkObserver& observer, FleetDataImage& image,
                 const KeyConstants& keys)
    : port_(port), observer_(observer), image_(image), keys_(keys) {
    for (int i = 0; i < kRingSize; ++i) {
        requestFrames_[static_cast<size_t>(i)] = RequestTemplate(static_cast<Request>(i));
    }
}

EcuLink::~EcuLink() {
    port_.ClosePort();
}

void EcuLink::setFramesArrivedCallback(std::function<void()> callback) {
    frames_.setArrivedCallback(std::move(callback));
}

bool EcuLink::waitForFrames(std::chrono::steady_clock::time_point deadline) const {
    return frames_.waitUntil(deadline);
}

int EcuLink::DrainFrames() {
    int handled = 0;
    while (auto frame = frames_.pop()) {
        HandleFrame(frame->data(), frame->size());
        ++handled;
    }
    return handled;
}

// ---------------------------------------------------------------------------------------
// Request ring

void EcuLink::Queue(Request request) {
    pending_[static_cast<size_t>(ringIndex(request))] = true;
}
void EcuLink::Unqueue(Request request) {
    pending_[static_cast<size_t>(ringIndex(request))] = false;
}
bool EcuLink::IsPending(Request request) const {
    return pending_[static_cast<size_t>(ringIndex(request))].load();
}

bool EcuLink::PollStep() {
    const auto request = static_cast<Request>(pollCursor_);
    if (IsPending(request)) {
        SendRequest(request);
        return true;
    }
    pollCursor_ = static_cast<uint8_t>((pollCursor_ + 1) % kRingSize);
    return false;
}

void EcuLink::SendRequest(Request request) {
    awaitingResponse_ = true;
    std::vector<uint8_t>& f = requestFrames_[static_cast<size_t>(ringIndex(request))];
    switch (request) {
        case Request::SendKey:
            f[3] = static_cast<uint8_t>(securityKey_ >> 8);
            f[4] = static_cast<uint8_t>(securityKey_ & 0xFF);
            break;
        case Request::ReadFleetBlock:
        case Request::EraseFleetBlock:
            f[3] = blockNumber_;
            break;
        case Request::ReadStabilityRecord:
            f[3] = static_cast<uint8_t>(selectedRecord_ & 0xFF);
            break;
        case Request::WriteStabilityRecord: {
            f[3] = static_cast<uint8_t>(selectedRecord_ & 0xFF);
            const StabilityPayload payload = EncodeStabilityPayload(image_, selectedRecord_);
            std::memcpy(&f[4], payload.data(), payload.size());
            break;
        }
        default:
            break;
    }
    outstanding_ = request;
    outstandingNumber_ = f.size() > 4 ? f[3] : 0;
    outstandingStale_ = false;
    pendingExtensions_ = 0;
    responseLimit_ = kResponseTickLimit;
    const size_t length = f[0];
    f[length] = FrameChecksum(f.data(), length);
    port_.WritePort(f.data(), length + 1);
}

void EcuLink::BeginDownload() {
    staleOutstanding();
    image_.clear();
    startOperation(LinkOperation::Download, kDownloadSteps);
    for (auto& flag : pending_) {
        flag = false;
    }
    Queue(Request::ReadVehicleIdent);
    answeredThisDownload_ = 0;
    blockNumber_ = 0;
    lastEraseBlock_ = 0;
}

void EcuLink::startOperation(LinkOperation operation, int total) {
    operation_ = operation;
    observer_.operationStarted(operation, total);
}

void EcuLink::QueueRecordRead() {
    selectedRecord_ = 0;
    image_.stabilityRecordCount = 0;
    Queue(Request::ReadStabilityRecord);
}

// ---------------------------------------------------------------------------------------
// Frame handling

void EcuLink::HandleFrame(const uint8_t* f, size_t length) {
    if (!acceptFrame(f, length)) {
        return;
    }
    switch (outstanding_) {
        case Request::RequestSeed:
            handleSeed(f);
            break;
        case Request::SendKey:
            handleKeyAccepted();
            break;
        case Request::StartSession:
            Unqueue(Request::StartSession);
            break;
        case Request::StopSession:
            handleSessionStopped();
            break;
        case Request::ReadVehicleIdent:
            handleVehicleIdent(f);
            break;
        case Request::ReadEcuType:
            handleEcuType(f);
            break;
        case Request::ReadFleetBlock:
            handleBlock(f, length);
            break;
        case Request::ReadStabilityRecord:
            handleRecord(f, length);
            break;
        case Request::EraseFleetBlock:
            handleBlockErased();
            break;
        case Request::WriteStabilityRecord:
            handleRecordWritten();
            break;
    }
    noteProgress();
    done();
}

bool EcuLink::acceptFrame(const uint8_t* f, size_t length) {
    ++framesSinceOpen_;
    // A frame is used only when it is complete and its checksum holds; anything else is
    // dropped, so no byte of it reaches the image.
    if (!FrameIsWellFormed(f, length)) {
        ++badFrames_;
        ++badFramesSinceOpen_;
        drop(DropReason::BadFrame, f, length);
        return false;
    }
    const uint8_t len = f[0];
    if (f[1] == rsp::kLinkProbe) {
        if (len < kMinLengthDigits) {
            drop(DropReason::TooShort, f, length);
            return false;
        }
        linkAnswer_ = 100 * (f[3] & 0x0F) + 10 * (f[4] & 0x0F) + (f[5] & 0x0F);
        return false;  // awaitingResponse is not touched by the probe answer
    }
    if (!awaitingResponse_) {
        drop(DropReason::NotAwaited, f, length);
        return false;
    }
    DropReason why = DropReason::NotMatching;
    switch (judge(f, len, why)) {
        case Verdict::Drop:
            drop(why, f, length);
            return false;
        case Verdict::Pending:
            if (pendingExtensions_ >= kMaxPendingExtensions) {
                drop(DropReason::PendingLimit, f, length);
                return false;
            }
            ++pendingExtensions_;
            responseTicks_ = 0;
            responseLimit_ = kPendingTickLimit;
            return false;
        case Verdict::Refusal:
            // The refused request stays pending and goes out again at the next tick.
            if (!outstandingStale_) {
                noteFailure("refused");
            }
            done();
            return false;
        case Verdict::Answer:
            break;
    }
    if (outstandingStale_) {
        // Sent before the sequence now running was started: it must not move that sequence
        // (its record counter, block number or queue).
        done();
        return false;
    }
    return true;
}

void EcuLink::handleSeed(const uint8_t* f) {
    securitySeed_ = static_cast<uint16_t>(be16(&f[3]));
    securityKey_ = DeriveKey(securitySeed_, keys_);
    Queue(securityKey_ != 0 ? Request::SendKey : Request::StartSession);
    Unqueue(Request::RequestSeed);
}

void EcuLink::handleKeyAccepted() {
    Queue(Request::StartSession);
    Unqueue(Request::SendKey);
}

void EcuLink::handleSessionStopped() {
    Unqueue(Request::StopSession);
    observer_.closeDone();
}

void EcuLink::handleBlockErased() {
    ++blockNumber_;
    observer_.operationStep(StepKind::BlockErased);
    if (blockNumber_ > lastEraseBlock_) {
        Queue(Request::ReadFleetBlock);
        blockNumber_ = 0;
        Unqueue(Request::EraseFleetBlock);
    }
}

void EcuLink::handleRecordWritten() {
    observer_.operationStep(StepKind::RecordWritten);
    ++selectedRecord_;
    if (selectedRecord_ >= kStabilitySlots) {
        selectedRecord_ = 0;
        Unqueue(Request::WriteStabilityRecord);
        QueueRecordRead();
        startOperation(LinkOperation::ReadBack, kRecordEraseSteps);
    }
}

namespace {

// What the answer to a request carries: the sub-function or local identifier in byte 2, a
// block or record number in byte 3 (erase answers may end after byte 2), and the bytes the
// handling reads.
struct AnswerShape {
    uint8_t sub = 0;
    bool numbered = false;
    bool numberOptional = false;
    uint8_t minLength = 2;
};

AnswerShape answerShape(Request request) {
    switch (request) {
        case Request::RequestSeed:
            return {lid::kSeed, false, false, kMinLengthSeed};
        case Request::SendKey:
            return {lid::kKey};
        case Request::StartSession:
            return {lid::kSession};
        case Request::StopSession:
            return {};
        case Request::ReadVehicleIdent:
            return {0, false, false, kMinLengthIdent};
        case Request::ReadFleetBlock:
            return {lid::kFleetBlock, true, false, kMinLengthBlock};
        case Request::EraseFleetBlock:
            return {lid::kEraseBlock, true, true};
        case Request::ReadEcuType:
            return {lid::kEcuType, false, false, kMinLengthType};
        case Request::ReadStabilityRecord:
            return {lid::kStabilityRecord, true, false, kMinLengthRecord};
        case Request::WriteStabilityRecord:
            return {lid::kStabilityRecord, true, true};
    }
    return {};
}

}  // namespace

EcuLink::Verdict EcuLink::judge(const uint8_t* f, uint8_t len, DropReason& why) const {
    const uint8_t requestService = requestFrames_[static_cast<size_t>(ringIndex(outstanding_))][1];
    const uint8_t service = f[1];
    why = DropReason::NotMatching;
    if (service == rsp::kNegative) {
        if (len < kMinLengthSub || f[2] != requestService) {
            return Verdict::Drop;
        }
        return len >= 4 && f[3] == kNrcResponsePending ? Verdict::Pending : Verdict::Refusal;
    }
    if (service != static_cast<uint8_t>(requestService + 0x40)) {
        return Verdict::Drop;
    }
    const AnswerShape shape = answerShape(outstanding_);
    if (shape.sub != 0 && (len < kMinLengthSub || f[2] != shape.sub)) {
        return Verdict::Drop;
    }
    if (shape.numbered) {
        if (len >= 4) {
            if (f[3] != outstandingNumber_) {
                return Verdict::Drop;
            }
        } else if (!shape.numberOptional) {
            why = DropReason::TooShort;
            return Verdict::Drop;
        }
    }
    if (len < shape.minLength) {
        why = DropReason::TooShort;
        return Verdict::Drop;
    }
    return Verdict::Answer;
}

void EcuLink::drop(DropReason reason, const uint8_t* f, size_t length) {
    ++droppedFrames_;
    if (dropObserver_) {
        dropObserver_(reason, f, length);
    }
}

const char* EcuLink::DropReasonText(DropReason reason) {
    switch (reason) {
        case DropReason::BadFrame:
            return "bad checksum or length";
        case DropReason::NotAwaited:
            return "no request outstanding";
        case DropReason::NotMatching:
            return "does not answer the outstanding request";
        case DropReason::PendingLimit:
            return "too many response-pending answers";
        case DropReason::TooShort:
            return "too short";
    }
    return "?";
}

void EcuLink::noteFailure(const char* what) {
    ++failuresWithoutProgress_;
    lastFailedRequest_ = describeOutstanding();
    lastFailure_ = what;
}

void EcuLink::noteProgress() {
    ++answeredThisDownload_;
    if (answeredThisDownload_ > mostAnswered_) {
        mostAnswered_ = answeredThisDownload_;
        failuresWithoutProgress_ = 0;
    }
}

std::string EcuLink::describeOutstanding() const {
    std::string text = RequestName(outstanding_);
    switch (outstanding_) {
        case Request::ReadFleetBlock:
        case Request::EraseFleetBlock:
            text += " block " + std::to_string(outstandingNumber_);
            break;
        case Request::ReadStabilityRecord:
        case Request::WriteStabilityRecord:
            text += " record " + std::to_string(outstandingNumber_);
            break;
        default:
            break;
    }
    return text;
}

void EcuLink::handleVehicleIdent(const uint8_t* f) {
    Unqueue(Request::ReadVehicleIdent);
    image_.setVehicleIdent(reinterpret_cast<const char*>(&f[3]), kIdentChars);
    Queue(Request::ReadEcuType);
}

void EcuLink::handleEcuType(const uint8_t* f) {
    Unqueue(Request::ReadEcuType);
    std::memcpy(ecuType_, &f[3], 4);
    ecuType_[4] = '\0';
    const SupportLevel level = ClassifyEcuType(std::string_view(ecuType_, 4));
    supportLevel_ = level;
    observer_.ecuType(ecuType(), level);
    if (level == SupportLevel::FleetAndRecords) {
        Queue(Request::ReadFleetBlock);
    } else if (level == SupportLevel::RecordsOnly) {
        QueueRecordRead();
    } else {
        handleUnsupported();
    }
}

void EcuLink::handleUnsupported() {
    if (linkState_ == LinkState::Stopped) {
        return;
    }
    linkState_ = LinkState::Stopped;
    operation_ = LinkOperation::None;
    linkAnswer_ = -1;
    observer_.notice(LinkNotice::UnsupportedEcu);
}

void EcuLink::handleBlock(const uint8_t* f, size_t /*length*/) {
    observer_.operationStep(StepKind::BlockRead);
    const uint8_t b = f[3];
    if (b <= 9) {
        uint32_t* words = image_.block(b);
        const int count = FleetDataImage::blockWords(b);
        const uint8_t* data = &f[4];
        for (int i = 0; i < count; ++i) {
            words[i] = count == 16 ? be32(data + 4 * i) : be16(data + 2 * i);
        }
        blockNumber_ = static_cast<uint8_t>(b + 1);
        if (b == 9) {
            Unqueue(Request::ReadFleetBlock);
            QueueRecordRead();
        }
    } else {
        Unqueue(Request::ReadFleetBlock);
    }
}

void EcuLink::handleRecord(const uint8_t* f, size_t /*length*/) {
    StabilityPayload payload{};
    std::memcpy(payload.data(), &f[4], payload.size());
    StoreStabilityPayload(image_, payload);
    ++selectedRecord_;
    observer_.operationStep(StepKind::RecordRead);
    if (selectedRecord_ >= kStabilitySlots) {
        completeRead();
    }
}

void EcuLink::completeRead() {
    Unqueue(Request::ReadStabilityRecord);
    selectedRecord_ = 0;
    SortStabilityRecords(image_);
    ++completedReads_;
    // The operation that this read ends: a download, a fleet erase, a record erase's read-back
    // (or a plain read started through QueueRecordRead, reported as a download).
    const LinkOperation finished =
        operation_ == LinkOperation::None ? LinkOperation::Download : operation_;
    operation_ = LinkOperation::None;
    observer_.operationFinished(finished);
}

std::string EcuLink::ecuType() const {
    return std::string(ecuType_, ::strnlen(ecuType_, 4));
}

// ---------------------------------------------------------------------------------------
// Erase sequences and close-down

void EcuLink::putHandshakeFirst() {
    // The ECU refuses an erase request until access is granted, and a refused request stays
    // under the cursor and is repeated every tick. Had the cursor already passed the security
    // requests (the record write sits behind them in the ring, the cursor after a download in
    // front of it), the handshake would never get its turn. So while it is still pending the
    // cursor goes back to the start of the ring, where the security requests come first.
    if (IsPending(Request::RequestSeed) || IsPending(Request::SendKey) ||
        IsPending(Request::StartSession)) {
        pollCursor_ = 0;
    }
}

bool EcuLink::StartFleetErase() {
    if (supportLevel_ != SupportLevel::FleetAndRecords || !linked()) {
        return false;
    }
    staleOutstanding();
    putHandshakeFirst();
    blockNumber_ = 0;
    lastEraseBlock_ = 9;
    Queue(Request::EraseFleetBlock);
    startOperation(LinkOperation::FleetErase, kFleetEraseSteps);
    return true;
}

bool EcuLink::StartRecordErase() {
    if (supportLevel_ == SupportLevel::None || !linked()) {
        return false;
    }
    staleOutstanding();
    putHandshakeFirst();
    std::memset(image_.stabilityRecords, 0, sizeof image_.stabilityRecords);
    image_.stabilityRecordCount = 0;
    selectedRecord_ = 0;
    Queue(Request::WriteStabilityRecord);
    startOperation(LinkOperation::RecordErase, kRecordEraseSteps);
    return true;
}

bool EcuLink::RequestClose() {
    if (!linked() || closeRequested_) {
        return true;
    }
    closeRequested_ = true;
    if (operation_ == LinkOperation::Download || operation_ == LinkOperation::ReadBack) {
        // A read only fills the image of a window that is closing: it is dropped, so that
        // StopSession follows the answer now outstanding. An erase that writes the ECU runs to
        // the end of its writes first (the ring puts StopSession right after them).
        staleOutstanding();
        Unqueue(Request::ReadVehicleIdent);
        Unqueue(Request::ReadEcuType);
        Unqueue(Request::ReadFleetBlock);
        Unqueue(Request::ReadStabilityRecord);
        pollCursor_ = static_cast<uint8_t>(ringIndex(Request::StopSession));
        operation_ = LinkOperation::None;
    }
    Queue(Request::StopSession);
    return false;
}

bool EcuLink::CancelForShutdown() {
    if (linkState_ != LinkState::Polling || !linked()) {
        return true;
    }
    staleOutstanding();
    for (auto& flag : pending_) {
        flag = false;
    }
    Queue(Request::StopSession);
    pollCursor_ = static_cast<uint8_t>(ringIndex(Request::StopSession));
    closeRequested_ = true;
    return false;
}

// ---------------------------------------------------------------------------------------
// Connection state machine

bool EcuLink::wantsTicks() const {
    return linkState_ != LinkState::WaitingForUser && linkState_ != LinkState::Offline &&
           linkState_ != LinkState::Stopped;
}

bool EcuLink::OnLinkTimer() {
    if (!wantsTicks()) {
        return false;
    }
    DrainFrames();
    switch (linkState_) {
        case LinkState::OpenPort:
            openNextPort();
            break;
        case LinkState::FirstProbe:
        case LinkState::SecondProbe:
            port_.WritePort(kLinkProbe.data(), kLinkProbe.size());
            linkState_ = static_cast<LinkState>(static_cast<int>(linkState_) + 1);
            break;
        case LinkState::FirstWait1:
        case LinkState::FirstWait2:
        case LinkState::FirstWait3:
        case LinkState::SecondWait1:
        case LinkState::SecondWait2:
            probeWait();
            break;
        case LinkState::GiveUp:
            if (linkAnswer_ > 0) {
                linkState_ = LinkState::Connected;
            } else {
                giveUpPort();
            }
            break;
        case LinkState::Connected:
            connected();
            break;
        case LinkState::Polling:
            poll();
            break;
        case LinkState::WaitingForUser:
        case LinkState::Offline:
        case LinkState::Stopped:
            break;  // the unsupported ECU found while this tick drained its frames
    }
    return wantsTicks();
}

void EcuLink::probeWait() {
    linkState_ = linkAnswer_ > 0 ? LinkState::Connected
                                 : static_cast<LinkState>(static_cast<int>(linkState_) + 1);
}

void EcuLink::retry() {
    if (linkState_ == LinkState::WaitingForUser || linkState_ == LinkState::Offline) {
        portIndex_ = 0;
        linkState_ = LinkState::OpenPort;
    }
}

void EcuLink::workOffline() {
    if (linkState_ != LinkState::WaitingForUser) {
        return;
    }
    closeConnection();
    linkState_ = LinkState::Offline;
    observer_.workingOffline();
}

PortAttempt EcuLink::attemptHere(AttemptOutcome outcome) const {
    PortAttempt attempt;
    attempt.index = portIndex_;
    attempt.port.number = port_.portNumber(portIndex_);
    attempt.port.path = port_.portPath(portIndex_);
    attempt.outcome = outcome;
    if (outcome == AttemptOutcome::OpenFailed) {
        attempt.openError = port_.lastOpenError();
        attempt.openErrno = port_.lastOpenErrno();
    } else {
        attempt.badFrames = badFramesSinceOpen_;
    }
    return attempt;
}

void EcuLink::tried(const PortAttempt& attempt) {
    passAttempts_.push_back(attempt);
    observer_.portTried(attempt);
}

void EcuLink::openNextPort() {
    if (portIndex_ == 0) {
        passAttempts_.clear();
    }
    const int count = port_.portCount();
    observer_.searching(portIndex_, count);
    if (portIndex_ < count) {
        if (port_.OpenPort(portIndex_)) {
            frames_.clear();
            framesSinceOpen_ = 0;
            badFramesSinceOpen_ = 0;
            observer_.probing(attemptHere(AttemptOutcome::NoAnswer));
            if (port_.StartReceiveThread(
                    [this](const uint8_t* frame, size_t length) { frames_.push(frame, length); })) {
                linkState_ = LinkState::FirstProbe;
                return;
            }
            // Without a reader nothing the ECU says would be heard: say so and treat the port
            // as one that could not be opened.
            observer_.notice(LinkNotice::ReceiveFailed);
            closeConnection();
            tried(attemptHere(AttemptOutcome::NoReader));
        } else {
            tried(attemptHere(AttemptOutcome::OpenFailed));
        }
    }
    ++portIndex_;
    if (portIndex_ >= count) {
        endOfPass();
    }
}

void EcuLink::giveUpPort() {
    AttemptOutcome outcome = AttemptOutcome::NoAnswer;
    if (port_.lineHungUp()) {
        outcome = AttemptOutcome::HungUp;
    } else if (badFramesSinceOpen_ > 0 && badFramesSinceOpen_ == framesSinceOpen_) {
        outcome = AttemptOutcome::BadFrames;
    }
    const PortAttempt attempt = attemptHere(outcome);
    ++portIndex_;
    closeConnection();
    linkState_ = LinkState::OpenPort;
    tried(attempt);
    if (portIndex_ >= port_.portCount()) {
        endOfPass();
    }
}

void EcuLink::endOfPass() {
    // The observer may answer at once (retry() or workOffline()); this is the tick's last act.
    portIndex_ = 0;
    linkState_ = LinkState::WaitingForUser;
    const std::vector<PortAttempt> attempts = passAttempts_;
    observer_.searchFailed(attempts);
}

void EcuLink::connected() {
    const PortAttempt attempt = attemptHere(AttemptOutcome::Connected);
    tried(attempt);
    observer_.connected(attempt);
    if (closeRequested_) {
        // Closing: the session is ended instead of starting a download nobody will see.
        Queue(Request::StopSession);
        pollCursor_ = static_cast<uint8_t>(ringIndex(Request::StopSession));
    } else {
        BeginDownload();
    }
    awaitingResponse_ = false;
    linkState_ = LinkState::Polling;
}

void EcuLink::poll() {
    // A line that hung up (adapter unplugged, the far end gone) answers nothing again: the
    // connection is lost now, also while idle, not at the next request's time-out.
    if (port_.lineHungUp()) {
        endConnection(LossReason::HungUp);
        return;
    }
    if (awaitingResponse_) {
        if (responseTicks_ >= responseLimit_) {
            endConnection(LossReason::TimedOut);
            return;
        }
        ++responseTicks_;
    } else {
        responseTicks_ = 0;
    }
    for (int step = 0; step < kPollStepsPerTick && !awaitingResponse_; ++step) {
        PollStep();
    }
}

void EcuLink::endConnection(LossReason reason) {
    const std::string outstanding = awaitingResponse_ ? describeOutstanding() : std::string{};
    if (reason == LossReason::TimedOut) {
        noteFailure("no valid answer in time");
    } else {
        ++failuresWithoutProgress_;
        lastFailedRequest_ = outstanding;
        lastFailure_ = "line hung up";
    }
    awaitingResponse_ = false;
    responseTicks_ = 0;
    linkAnswer_ = -1;
    operation_ = LinkOperation::None;
    closeConnection();
    linkState_ = LinkState::OpenPort;
    observer_.connectionLost(outstanding, reason);
}

void EcuLink::closeConnection() {
    port_.ClosePort();
    // After ClosePort the old receive thread has ended; whatever it queued belongs to the
    // connection that has just been given up.
    frames_.clear();
}

}  // namespace hm::ecu
