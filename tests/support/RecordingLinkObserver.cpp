#include "support/RecordingLinkObserver.h"

namespace hmtest {

using namespace hm::ecu;

const char* operationName(LinkOperation operation) {
    switch (operation) {
        case LinkOperation::None:
            return "None";
        case LinkOperation::Download:
            return "Download";
        case LinkOperation::FleetErase:
            return "FleetErase";
        case LinkOperation::RecordErase:
            return "RecordErase";
        case LinkOperation::ReadBack:
            return "ReadBack";
    }
    return "?";
}

void RecordingLinkObserver::searching(int index, int count) {
    log.push_back("searching " + std::to_string(index) + "/" + std::to_string(count));
}
void RecordingLinkObserver::probing(const PortAttempt& port) {
    log.push_back("probing " + std::to_string(port.index));
}
void RecordingLinkObserver::portTried(const PortAttempt& attempt) {
    attempts.push_back(attempt);
    log.push_back("tried " + std::to_string(attempt.index));
}
void RecordingLinkObserver::connected(const PortAttempt& port) {
    connectedPort = port;
    log.push_back("connected " + std::to_string(port.index));
}
void RecordingLinkObserver::searchFailed(const std::vector<PortAttempt>& pass) {
    passes.push_back(pass);
    log.push_back("searchFailed");
    if (link == nullptr) {
        return;
    }
    bool retry = defaultAnswer;
    if (!answers.empty()) {
        retry = answers.front();
        answers.pop_front();
    }
    if (retry) {
        link->retry();
    } else {
        link->workOffline();
    }
}
void RecordingLinkObserver::workingOffline() {
    log.push_back("offline");
}
void RecordingLinkObserver::connectionLost(const std::string& request, hm::ecu::LossReason reason) {
    lostWaitingFor.push_back(request);
    log.push_back((reason == hm::ecu::LossReason::HungUp ? "hung up " : "lost ") + request);
}
void RecordingLinkObserver::ecuType(const std::string& type, SupportLevel) {
    ecuTypeText = type;
    log.push_back("ecuType " + type);
}
void RecordingLinkObserver::operationStarted(LinkOperation operation, int total) {
    progressTotal = total;
    log.push_back(std::string("start ") + operationName(operation) + " " + std::to_string(total));
}
void RecordingLinkObserver::operationStep(StepKind) {
    log.push_back("step");
}
void RecordingLinkObserver::operationFinished(LinkOperation operation) {
    log.push_back(std::string("finished ") + operationName(operation));
}
void RecordingLinkObserver::notice(LinkNotice n) {
    notices.push_back(n);
    log.push_back("notice");
}
void RecordingLinkObserver::closeDone() {
    log.push_back("closeDone");
}

int RecordingLinkObserver::count(const std::string& prefix) const {
    int n = 0;
    for (const std::string& entry : log) {
        if (entry.rfind(prefix, 0) == 0) {
            ++n;
        }
    }
    return n;
}

}  // namespace hmtest
