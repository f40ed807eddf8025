#include "ecu/RequestRing.h"

#include <cstring>
#include <string_view>

#include "fleetdata/StabilityRecord.h"

namespace hm::ecu {
namespace {

constexpr size_t ringIndex(Request r) {
    return static_cast<size_t>(r);
}

// Byte 2 of an answer selects its handling: an answer that checks it holds at least L = 3.
constexpr uint8_t kMinLengthSub = 3;
constexpr size_t kIdentChars = 17;

uint32_t be32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}
uint32_t be16(const uint8_t* p) {
    return (uint32_t{p[0]} << 8) | p[1];
}

}  // namespace

const char* dropReasonText(DropReason reason) {
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

RequestRing::RequestRing(ILinkPort& port, LinkObserver& observer, FleetDataImage& image,
                         const KeyConstants& keys, std::function<bool()> stopLink)
    : port_(port), observer_(observer), image_(image), keys_(keys), stopLink_(std::move(stopLink)) {
    for (const RequestEntry& entry : kRequests) {
        requestFrames_[ringIndex(entry.request)] = requestTemplate(entry.request);
    }
}

// ---------------------------------------------------------------------------------------
// The ring

void RequestRing::queue(Request request) {
    pending_[ringIndex(request)] = true;
}
void RequestRing::unqueue(Request request) {
    pending_[ringIndex(request)] = false;
}
bool RequestRing::isPending(Request request) const {
    return pending_[ringIndex(request)].load();
}
void RequestRing::unqueueAll() {
    for (auto& flag : pending_) {
        flag = false;
    }
}

bool RequestRing::PollStep() {
    const auto request = static_cast<Request>(pollCursor_);
    if (isPending(request)) {
        SendRequest(request);
        return true;
    }
    pollCursor_ = static_cast<uint8_t>((pollCursor_ + 1) % kRingSize);
    return false;
}

void RequestRing::SendRequest(Request request) {
    awaitingResponse_ = true;
    const RequestEntry& entry = requestEntry(request);
    std::vector<uint8_t>& f = requestFrames_[ringIndex(request)];
    fillVariableBytes(entry, f);
    outstanding_ = request;
    outstandingNumber_ = f.size() > 4 ? f[3] : 0;
    outstandingStale_ = false;
    pendingExtensions_ = 0;
    responseLimit_ = kResponseTickLimit;
    const size_t length = f[0];
    f[length] = frameChecksum(f.data(), length);
    port_.WritePort(f.data(), length + 1);
}

void RequestRing::fillVariableBytes(const RequestEntry& entry, std::vector<uint8_t>& f) {
    switch (entry.number) {
        case RequestNumber::Block:
            f[3] = blockNumber_;
            break;
        case RequestNumber::Record:
            f[3] = static_cast<uint8_t>(selectedRecord_ & 0xFF);
            break;
        case RequestNumber::None:
            break;
    }
    switch (entry.data) {
        case RequestData::SecurityKey:
            f[3] = static_cast<uint8_t>(securityKey_ >> 8);
            f[4] = static_cast<uint8_t>(securityKey_ & 0xFF);
            break;
        case RequestData::RecordPayload: {
            const StabilityPayload payload = EncodeStabilityPayload(image_, selectedRecord_);
            std::memcpy(&f[4], payload.data(), payload.size());
            break;
        }
        case RequestData::None:
            break;
    }
}

bool RequestRing::pollTick() {
    if (awaitingResponse_) {
        if (responseTicks_ >= responseLimit_) {
            return false;
        }
        ++responseTicks_;
    } else {
        responseTicks_ = 0;
    }
    for (int step = 0; step < kPollStepsPerTick && !awaitingResponse_; ++step) {
        PollStep();
    }
    return true;
}

void RequestRing::startOnConnection() {
    if (closeRequested_) {
        // Closing: the session is ended instead of starting a download nobody will see.
        queue(Request::StopSession);
        pollCursor_ = static_cast<uint8_t>(ringIndex(Request::StopSession));
    } else {
        BeginDownload();
    }
    awaitingResponse_ = false;
}

std::string RequestRing::connectionEnded(LossReason reason) {
    const std::string outstanding = outstandingRequest();
    if (reason == LossReason::TimedOut) {
        noteFailure("no valid answer in time");
    } else {
        ++failuresWithoutProgress_;
        lastFailedRequest_ = outstanding;
        lastFailure_ = "line hung up";
    }
    awaitingResponse_ = false;
    responseTicks_ = 0;
    operation_ = LinkOperation::None;
    return outstanding;
}

void RequestRing::BeginDownload() {
    staleOutstanding();
    image_.clear();
    startOperation(LinkOperation::Download, kDownloadSteps);
    unqueueAll();
    queue(Request::ReadVehicleIdent);
    answeredThisDownload_ = 0;
    blockNumber_ = 0;
    lastEraseBlock_ = 0;
}

void RequestRing::startOperation(LinkOperation operation, int total) {
    operation_ = operation;
    observer_.operationStarted(operation, total);
}

void RequestRing::QueueRecordRead() {
    selectedRecord_ = 0;
    image_.stabilityRecordCount = 0;
    queue(Request::ReadStabilityRecord);
}

// ---------------------------------------------------------------------------------------
// Answers

void RequestRing::HandleFrame(const uint8_t* f, size_t length) {
    if (!acceptAnswer(f, length)) {
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
            unqueue(Request::StartSession);
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
            handleBlock(f);
            break;
        case Request::ReadStabilityRecord:
            handleRecord(f);
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

bool RequestRing::acceptAnswer(const uint8_t* f, size_t length) {
    if (!awaitingResponse_) {
        drop(DropReason::NotAwaited, f, length);
        return false;
    }
    DropReason why = DropReason::NotMatching;
    switch (judge(f, f[0], why)) {
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

RequestRing::Verdict RequestRing::judge(const uint8_t* f, uint8_t len, DropReason& why) const {
    const RequestEntry& entry = requestEntry(outstanding_);
    why = DropReason::NotMatching;
    if (f[1] == rsp::kNegative) {
        if (len < kMinLengthSub || f[2] != entry.service) {
            return Verdict::Drop;
        }
        return len >= 4 && f[3] == kNrcResponsePending ? Verdict::Pending : Verdict::Refusal;
    }
    if (f[1] != entry.answerService()) {
        return Verdict::Drop;
    }
    if (entry.answerEchoesSub && (len < kMinLengthSub || f[2] != entry.sub)) {
        return Verdict::Drop;
    }
    if (judgeNumber(entry, f, len, why) == Verdict::Drop) {
        return Verdict::Drop;
    }
    if (len < entry.minAnswerLength) {
        why = DropReason::TooShort;
        return Verdict::Drop;
    }
    return Verdict::Answer;
}

RequestRing::Verdict RequestRing::judgeNumber(const RequestEntry& entry, const uint8_t* f,
                                              uint8_t len, DropReason& why) const {
    if (entry.number == RequestNumber::None) {
        return Verdict::Answer;
    }
    if (len >= 4) {
        return f[3] == outstandingNumber_ ? Verdict::Answer : Verdict::Drop;
    }
    if (entry.answerNumberOptional) {
        return Verdict::Answer;
    }
    why = DropReason::TooShort;
    return Verdict::Drop;
}

void RequestRing::drop(DropReason reason, const uint8_t* f, size_t length) {
    ++droppedFrames_;
    if (reason == DropReason::BadFrame) {
        ++badFrames_;
    }
    if (dropObserver_) {
        dropObserver_(reason, f, length);
    }
}

void RequestRing::noteFailure(const char* what) {
    ++failuresWithoutProgress_;
    lastFailedRequest_ = describeOutstanding();
    lastFailure_ = what;
}

void RequestRing::noteProgress() {
    ++answeredThisDownload_;
    if (answeredThisDownload_ > mostAnswered_) {
        mostAnswered_ = answeredThisDownload_;
        failuresWithoutProgress_ = 0;
    }
}

std::string RequestRing::describeOutstanding() const {
    const RequestEntry& entry = requestEntry(outstanding_);
    std::string text = entry.name;
    switch (entry.number) {
        case RequestNumber::Block:
            text += " block " + std::to_string(outstandingNumber_);
            break;
        case RequestNumber::Record:
            text += " record " + std::to_string(outstandingNumber_);
            break;
        case RequestNumber::None:
            break;
    }
    return text;
}

// ---------------------------------------------------------------------------------------
// The handlers of the answers

void RequestRing::handleSeed(const uint8_t* f) {
    securitySeed_ = static_cast<uint16_t>(be16(&f[3]));
    securityKey_ = DeriveKey(securitySeed_, keys_);
    queue(securityKey_ != 0 ? Request::SendKey : Request::StartSession);
    unqueue(Request::RequestSeed);
}

void RequestRing::handleKeyAccepted() {
    queue(Request::StartSession);
    unqueue(Request::SendKey);
}

void RequestRing::handleSessionStopped() {
    unqueue(Request::StopSession);
    observer_.closeDone();
}

void RequestRing::handleBlockErased() {
    ++blockNumber_;
    observer_.operationStep(StepKind::BlockErased);
    if (blockNumber_ > lastEraseBlock_) {
        queue(Request::ReadFleetBlock);
        blockNumber_ = 0;
        unqueue(Request::EraseFleetBlock);
    }
}

void RequestRing::handleRecordWritten() {
    observer_.operationStep(StepKind::RecordWritten);
    ++selectedRecord_;
    if (selectedRecord_ >= kStabilitySlots) {
        selectedRecord_ = 0;
        unqueue(Request::WriteStabilityRecord);
        QueueRecordRead();
        startOperation(LinkOperation::ReadBack, kRecordEraseSteps);
    }
}

void RequestRing::handleVehicleIdent(const uint8_t* f) {
    unqueue(Request::ReadVehicleIdent);
    image_.setVehicleIdent(reinterpret_cast<const char*>(&f[3]), kIdentChars);
    queue(Request::ReadEcuType);
}

void RequestRing::handleEcuType(const uint8_t* f) {
    unqueue(Request::ReadEcuType);
    std::memcpy(ecuType_, &f[3], 4);
    ecuType_[4] = '\0';
    const SupportLevel level = ClassifyEcuType(std::string_view(ecuType_, 4));
    supportLevel_ = level;
    observer_.ecuType(ecuType(), level);
    if (level == SupportLevel::FleetAndRecords) {
        queue(Request::ReadFleetBlock);
    } else if (level == SupportLevel::RecordsOnly) {
        QueueRecordRead();
    } else {
        handleUnsupported();
    }
}

void RequestRing::handleUnsupported() {
    if (!stopLink_()) {
        return;
    }
    operation_ = LinkOperation::None;
    observer_.notice(LinkNotice::UnsupportedEcu);
}

void RequestRing::handleBlock(const uint8_t* f) {
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
            unqueue(Request::ReadFleetBlock);
            QueueRecordRead();
        }
    } else {
        unqueue(Request::ReadFleetBlock);
    }
}

void RequestRing::handleRecord(const uint8_t* f) {
    StabilityPayload payload{};
    std::memcpy(payload.data(), &f[4], payload.size());
    StoreStabilityPayload(image_, payload);
    ++selectedRecord_;
    observer_.operationStep(StepKind::RecordRead);
    if (selectedRecord_ >= kStabilitySlots) {
        completeRead();
    }
}

void RequestRing::completeRead() {
    unqueue(Request::ReadStabilityRecord);
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

std::string RequestRing::ecuType() const {
    return std::string(ecuType_, ::strnlen(ecuType_, 4));
}

// ---------------------------------------------------------------------------------------
// Erase sequences and close-down

void RequestRing::putHandshakeFirst() {
    // The ECU refuses an erase request until access is granted, and a refused request stays
    // under the cursor and is repeated every tick. Had the cursor already passed the security
    // requests (the record write sits behind them in the ring, the cursor after a download in
    // front of it), the handshake would never get its turn. So while it is still pending the
    // cursor goes back to the start of the ring, where the security requests come first.
    if (isPending(Request::RequestSeed) || isPending(Request::SendKey) ||
        isPending(Request::StartSession)) {
        pollCursor_ = 0;
    }
}

bool RequestRing::startFleetErase() {
    if (supportLevel_ != SupportLevel::FleetAndRecords) {
        return false;
    }
    staleOutstanding();
    putHandshakeFirst();
    blockNumber_ = 0;
    lastEraseBlock_ = 9;
    queue(Request::EraseFleetBlock);
    startOperation(LinkOperation::FleetErase, kFleetEraseSteps);
    return true;
}

bool RequestRing::startRecordErase() {
    if (supportLevel_ == SupportLevel::None) {
        return false;
    }
    staleOutstanding();
    putHandshakeFirst();
    std::memset(image_.stabilityRecords, 0, sizeof image_.stabilityRecords);
    image_.stabilityRecordCount = 0;
    selectedRecord_ = 0;
    queue(Request::WriteStabilityRecord);
    startOperation(LinkOperation::RecordErase, kRecordEraseSteps);
    return true;
}

bool RequestRing::requestClose() {
    if (closeRequested_) {
        return true;
    }
    closeRequested_ = true;
    if (operation_ == LinkOperation::Download || operation_ == LinkOperation::ReadBack) {
        // A read only fills the image of a window that is closing: it is dropped, so that
        // StopSession follows the answer now outstanding. An erase that writes the ECU runs to
        // the end of its writes first (the ring puts StopSession right after them).
        staleOutstanding();
        for (const RequestEntry& entry : kRequests) {
            if (entry.read) {
                unqueue(entry.request);
            }
        }
        pollCursor_ = static_cast<uint8_t>(ringIndex(Request::StopSession));
        operation_ = LinkOperation::None;
    }
    queue(Request::StopSession);
    return false;
}

void RequestRing::cancelForShutdown() {
    staleOutstanding();
    unqueueAll();
    queue(Request::StopSession);
    pollCursor_ = static_cast<uint8_t>(ringIndex(Request::StopSession));
    closeRequested_ = true;
}

}  // namespace hm::ecu
