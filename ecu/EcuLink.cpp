#include "ecu/EcuLink.h"

#include <cstdio>
#include <cstring>

#include "fleetdata/StabilityRecord.h"
#include "resources/Strings.h"

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

EcuLink::EcuLink(ILinkPort& port, ILinkHost& host, FleetDataImage& image, const KeyConstants& keys)
    : port_(port), host_(host), image_(image), keys_(keys) {
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
    if (draining_) {
        return 0;
    }
    draining_ = true;
    int handled = 0;
    while (auto frame = frames_.pop()) {
        HandleFrame(frame->data(), frame->size());
        ++handled;
    }
    draining_ = false;
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
    host_.enableButton(ctl::kReload, false);
    host_.enableButton(ctl::kWrite, false);
    host_.enableButton(ctl::kStability, false);
    host_.enableButton(ctl::kSave, false);
    host_.startProgress(kDownloadSteps);
    for (auto& flag : pending_) {
        flag = false;
    }
    Queue(Request::ReadVehicleIdent);
    answeredThisDownload_ = 0;
    blockNumber_ = 0;
    lastEraseBlock_ = 0;
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
    host_.endDialog();
}

void EcuLink::handleBlockErased() {
    ++blockNumber_;
    host_.stepProgress();
    if (blockNumber_ > lastEraseBlock_) {
        Queue(Request::ReadFleetBlock);
        blockNumber_ = 0;
        Unqueue(Request::EraseFleetBlock);
    }
}

void EcuLink::handleRecordWritten() {
    host_.stepProgress();
    ++selectedRecord_;
    if (selectedRecord_ >= kStabilitySlots) {
        selectedRecord_ = 0;
        Unqueue(Request::WriteStabilityRecord);
        QueueRecordRead();
        host_.enableButton(ctl::kWrite, true);
    }
}

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
    // Sub-function or local identifier in byte 2, a block or record number in byte 3 (where
    // the answer carries one; erase answers may end after byte 2), and the bytes the handling
    // reads.
    uint8_t sub = 0;
    bool numbered = false;
    bool numberOptional = false;
    uint8_t minLength = 2;
    switch (outstanding_) {
        case Request::RequestSeed:
            sub = lid::kSeed;
            minLength = kMinLengthSeed;
            break;
        case Request::SendKey:
            sub = lid::kKey;
            break;
        case Request::StartSession:
            sub = lid::kSession;
            break;
        case Request::StopSession:
        case Request::ReadVehicleIdent:
            minLength = outstanding_ == Request::ReadVehicleIdent ? kMinLengthIdent : 2;
            break;
        case Request::ReadFleetBlock:
            sub = lid::kFleetBlock;
            numbered = true;
            minLength = kMinLengthBlock;
            break;
        case Request::EraseFleetBlock:
            sub = lid::kEraseBlock;
            numbered = numberOptional = true;
            break;
        case Request::ReadEcuType:
            sub = lid::kEcuType;
            minLength = kMinLengthType;
            break;
        case Request::ReadStabilityRecord:
            sub = lid::kStabilityRecord;
            numbered = true;
            minLength = kMinLengthRecord;
            break;
        case Request::WriteStabilityRecord:
            sub = lid::kStabilityRecord;
            numbered = numberOptional = true;
            break;
    }
    if (sub != 0 && (len < kMinLengthSub || f[2] != sub)) {
        return Verdict::Drop;
    }
    if (numbered) {
        if (len >= 4) {
            if (f[3] != outstandingNumber_) {
                return Verdict::Drop;
            }
        } else if (!numberOptional) {
            why = DropReason::TooShort;
            return Verdict::Drop;
        }
    }
    if (len < minLength) {
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
    std::memcpy(image_.vehicleIdent, &f[3], kIdentChars);
    if (image_.vehicleIdent[0] == '\0') {
        std::memcpy(image_.vehicleIdent, "xxx", 4);
    }
    Queue(Request::ReadEcuType);
}

void EcuLink::handleEcuType(const uint8_t* f) {
    Unqueue(Request::ReadEcuType);
    std::memcpy(ecuType_, &f[3], 4);
    ecuType_[4] = '\0';
    host_.setEcuTypeText(ecuType());
    const SupportLevel level = ClassifyEcuType(std::string_view(ecuType_, 4));
    supportLevel_ = level;
    if (level == SupportLevel::FleetAndRecords) {
        Queue(Request::ReadFleetBlock);
    } else if (level == SupportLevel::RecordsOnly) {
        QueueRecordRead();
    } else {
        handleUnsupported();
    }
}

void EcuLink::handleUnsupported() {
    if (unsupportedShown_) {
        return;
    }
    unsupportedShown_ = true;
    timerStopped_ = true;
    host_.stopLinkTimer();
    host_.showMessage(std::string(str(sid::kEcuNotSupported)), MessageIcon::Exclamation);
    linkAnswer_ = -1;
}

void EcuLink::handleBlock(const uint8_t* f, size_t /*length*/) {
    host_.setTitleState(" [ ... ]");
    host_.stepProgress();
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
    host_.stepProgress();
    if (selectedRecord_ >= kStabilitySlots) {
        completeRead();
    }
}

void EcuLink::completeRead() {
    Unqueue(Request::ReadStabilityRecord);
    if (supportLevel_ == SupportLevel::FleetAndRecords) {
        host_.setSelectedGraph(1);
        host_.showGraph(1);
    } else {
        host_.showGraph(0);
    }
    host_.enableButton(ctl::kSave, true);
    host_.enableButton(ctl::kWrite, true);
    host_.enableButton(ctl::kReload, true);
    host_.enableButton(ctl::kStability, true);
    host_.setTitleState(std::string(str(sid::kEcuData)));
    host_.endProgress();
    selectedRecord_ = 0;
    SortStabilityRecords(image_);
    ++completedReads_;
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
    host_.startProgress(kFleetEraseSteps);
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
    host_.startProgress(kRecordEraseSteps);
    return true;
}

bool EcuLink::RequestClose() {
    if (!linked() || closeRequested_) {
        return true;
    }
    closeRequested_ = true;
    Queue(Request::StopSession);
    return false;
}

bool EcuLink::CancelForShutdown() {
    if (linkState_ != state::kPolling || !linked()) {
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

bool EcuLink::OnLinkTimer() {
    if (inTick_ || timerStopped_ || !keepTicking_) {
        return keepTicking_ && !timerStopped_;
    }
    inTick_ = true;
    DrainFrames();
    if (!timerStopped_) {
        switch (linkState_) {
            case state::kOpenPort:
                if (keepTicking_) {
                    openNextPort();
                }
                break;
            case state::kFirstProbe:
            case state::kSecondProbe:
                port_.WritePort(kLinkProbe.data(), kLinkProbe.size());
                ++linkState_;
                break;
            case 2:
            case 3:
            case 4:
            case 6:
            case 7:
                linkState_ = linkAnswer_ > 0 ? state::kConnected : linkState_ + 1;
                break;
            case state::kGiveUp:
                if (linkAnswer_ > 0) {
                    linkState_ = state::kConnected;
                } else {
                    giveUpPort();
                }
                break;
            case state::kConnected:
                connected();
                break;
            case state::kPolling:
                poll();
                break;
            default:
                linkState_ = state::kOpenPort;
                break;
        }
    }
    inTick_ = false;
    return keepTicking_ && !timerStopped_;
}

void EcuLink::openNextPort() {
    host_.setStatusTooltip(std::string(str(sid::kTryingToConnect)));
    const bool opened = portIndex_ < port_.portCount() && port_.OpenPort(portIndex_);
    host_.enableButton(ctl::kWrite, false);
    host_.enableButton(ctl::kSave, false);
    host_.enableButton(ctl::kReload, false);
    host_.setEcuTypeText("---");
    if (opened) {
        frames_.clear();
        host_.setStatusIcon(StatusIcon::Probing);  // may still report on the previous port
        framesSinceOpen_ = 0;
        badFramesSinceOpen_ = 0;
        if (port_.StartReceiveThread(
                [this](const uint8_t* frame, size_t length) { frames_.push(frame, length); })) {
            linkState_ = state::kFirstProbe;
            return;
        }
        // Without a reader nothing the ECU says would be heard: say so and treat the port as
        // one that could not be opened.
        host_.showMessage(std::string(str(sid::kError)), MessageIcon::Error);
        closeConnection();
    }
    host_.setStatusIcon(StatusIcon::Off);
    ++portIndex_;
    if (portIndex_ >= port_.portCount()) {
        endOfPass();
    }
}

void EcuLink::giveUpPort() {
    ++portIndex_;
    closeConnection();
    linkState_ = state::kOpenPort;
    if (portIndex_ >= port_.portCount()) {
        endOfPass();
    }
}

void EcuLink::endOfPass() {
    portIndex_ = 0;
    if (host_.askYesNo(std::string(str(sid::kRetryQuestion)))) {
        return;
    }
    host_.showGraph(0);
    host_.setStatusTooltip(std::string(str(sid::kWorkingOffline)));
    host_.enableButton(ctl::kInformation, false);
    host_.enableButton(ctl::kPrint, false);
    host_.hideProgressBar();
    keepTicking_ = false;
}

void EcuLink::connected() {
    host_.setStatusIcon(StatusIcon::Connected);
    char text[32];
    std::snprintf(text, sizeof text, "COM %d", port_.portNumber(portIndex_));
    std::string tooltip = text;
    const std::string path = port_.portPath(portIndex_);
    if (!path.empty()) {
        tooltip += " (" + path + ")";
    }
    host_.setStatusTooltip(tooltip);
    BeginDownload();
    awaitingResponse_ = false;
    linkState_ = state::kPolling;
}

void EcuLink::poll() {
    if (awaitingResponse_) {
        if (responseTicks_ >= responseLimit_) {
            timeOut();
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

void EcuLink::timeOut() {
    noteFailure("no valid answer in time");
    awaitingResponse_ = false;
    responseTicks_ = 0;
    linkAnswer_ = -1;
    closeConnection();
    host_.setStatusIcon(StatusIcon::Off);
    host_.enableButton(ctl::kStability, false);
    host_.showGraph(0);
    linkState_ = state::kOpenPort;
}

void EcuLink::closeConnection() {
    port_.ClosePort();
    // After ClosePort the old receive thread has ended; whatever it queued belongs to the
    // connection that has just been given up.
    frames_.clear();
}

}  // namespace hm::ecu
