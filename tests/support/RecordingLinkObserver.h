#pragma once
// A LinkObserver for tests: a log of every event and the facts tests check, and a scripted
// user who answers a search that found nothing (retry or work offline) once `link` is set.
#include <deque>
#include <string>
#include <vector>

#include "ecu/EcuLink.h"
#include "ecu/LinkEvents.h"

namespace hmtest {

class RecordingLinkObserver : public hm::ecu::LinkObserver {
  public:
    void searching(int index, int count) override;
    void probing(const hm::ecu::PortAttempt& port) override;
    void portTried(const hm::ecu::PortAttempt& attempt) override;
    void connected(const hm::ecu::PortAttempt& port) override;
    void searchFailed(const std::vector<hm::ecu::PortAttempt>& attempts) override;
    void workingOffline() override;
    void connectionLost(const std::string& request, hm::ecu::LossReason reason) override;
    void ecuType(const std::string& type, hm::ecu::SupportLevel level) override;
    void operationStarted(hm::ecu::LinkOperation operation, int total) override;
    void operationStep(hm::ecu::StepKind kind) override;
    void operationFinished(hm::ecu::LinkOperation operation) override;
    void notice(hm::ecu::LinkNotice notice) override;
    void closeDone() override;

    // Answers to a failed search in order (true: retry, false: work offline); when empty,
    // `defaultAnswer`. Only answered while `link` is set.
    hm::ecu::EcuLink* link = nullptr;
    std::deque<bool> answers;
    bool defaultAnswer = true;

    std::vector<std::string> log;                // one entry per event, e.g. "start Download 42"
    std::vector<hm::ecu::PortAttempt> attempts;  // every portTried
    std::vector<std::vector<hm::ecu::PortAttempt>> passes;  // every searchFailed
    hm::ecu::PortAttempt connectedPort;
    std::string ecuTypeText;
    int progressTotal = 0;
    std::vector<hm::ecu::LinkNotice> notices;
    std::vector<std::string> lostWaitingFor;

    int count(const std::string& prefix) const;  // log entries starting with prefix
};

const char* operationName(hm::ecu::LinkOperation operation);

}  // namespace hmtest
