#include "ecu/LinkConnection.h"

#include "ecu/EcuProtocol.h"

namespace hm::ecu {
namespace {

// The probe's answer D0 carries its digits in bytes 3..5.
constexpr uint8_t kMinLengthDigits = 6;

}  // namespace

LinkConnection::LinkConnection(ILinkPort& port, LinkObserver& observer)
    : port_(port), observer_(observer) {}

LinkConnection::~LinkConnection() {
    port_.ClosePort();
}

void LinkConnection::setFramesArrivedCallback(std::function<void()> callback) {
    frames_.setArrivedCallback(std::move(callback));
}

bool LinkConnection::waitForFrames(std::chrono::steady_clock::time_point deadline) const {
    return frames_.waitUntil(deadline);
}

void LinkConnection::countFrame(bool wellFormed) {
    ++framesSinceOpen_;
    if (!wellFormed) {
        ++badFramesSinceOpen_;
    }
}

bool LinkConnection::takeProbeAnswer(const uint8_t* f) {
    if (f[0] < kMinLengthDigits) {
        return false;
    }
    linkAnswer_ = 100 * (f[3] & 0x0F) + 10 * (f[4] & 0x0F) + (f[5] & 0x0F);
    return true;
}

bool LinkConnection::wantsTicks() const {
    return linkState_ != LinkState::WaitingForUser && linkState_ != LinkState::Offline &&
           linkState_ != LinkState::Stopped;
}

void LinkConnection::searchStep() {
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
        case LinkState::Polling:
        case LinkState::WaitingForUser:
        case LinkState::Offline:
        case LinkState::Stopped:
            break;
    }
}

void LinkConnection::probeWait() {
    linkState_ = linkAnswer_ > 0 ? LinkState::Connected
                                 : static_cast<LinkState>(static_cast<int>(linkState_) + 1);
}

void LinkConnection::retry() {
    if (linkState_ == LinkState::WaitingForUser || linkState_ == LinkState::Offline) {
        portIndex_ = 0;
        linkState_ = LinkState::OpenPort;
    }
}

void LinkConnection::workOffline() {
    if (linkState_ != LinkState::WaitingForUser) {
        return;
    }
    closeConnection();
    linkState_ = LinkState::Offline;
    observer_.workingOffline();
}

bool LinkConnection::stop() {
    if (linkState_ == LinkState::Stopped) {
        return false;
    }
    linkState_ = LinkState::Stopped;
    linkAnswer_ = -1;
    return true;
}

PortAttempt LinkConnection::attemptHere(AttemptOutcome outcome) const {
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

void LinkConnection::tried(const PortAttempt& attempt) {
    passAttempts_.push_back(attempt);
    observer_.portTried(attempt);
}

void LinkConnection::openNextPort() {
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

void LinkConnection::giveUpPort() {
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

void LinkConnection::endOfPass() {
    // The observer may answer at once (retry() or workOffline()); this is the tick's last act.
    portIndex_ = 0;
    linkState_ = LinkState::WaitingForUser;
    const std::vector<PortAttempt> attempts = passAttempts_;
    observer_.searchFailed(attempts);
}

void LinkConnection::reportConnected() {
    const PortAttempt attempt = attemptHere(AttemptOutcome::Connected);
    tried(attempt);
    observer_.connected(attempt);
}

void LinkConnection::lose(LossReason reason, const std::string& outstanding) {
    linkAnswer_ = -1;
    closeConnection();
    linkState_ = LinkState::OpenPort;
    observer_.connectionLost(outstanding, reason);
}

void LinkConnection::closeConnection() {
    port_.ClosePort();
    // After ClosePort the old receive thread has ended; whatever it queued belongs to the
    // connection that has just been given up.
    frames_.clear();
}

}  // namespace hm::ecu
