#pragma once
// What the headless download prints of the link's events: progress and findings go to
// standard error (a progress bar on a terminal, plain lines otherwise). A search pass that found
// nothing is retried until the allowed number of passes is used up; then the link works
// offline. No Qt; window thread (the thread that runs the link's ticks).
//
// Bytes from the line (type) and device paths are printed through printableText, so control
// bytes appear as \xNN; the identification as every list shows it (printablePath). A failed write
// of a progress line (a closed pipe) is ignored: SIGPIPE is ignored by the command line and the
// download goes on.
#include <cstdio>
#include <set>
#include <string>

#include "ecu/EcuLink.h"
#include "ecu/LinkEvents.h"
#include "ecu/LinkPort.h"
#include "fleetdata/FleetDataImage.h"

namespace hm::cli {

class ConsoleLinkObserver : public ecu::LinkObserver {
  public:
    ConsoleLinkObserver(const ecu::ILinkPort& port, const FleetDataImage& image, int passes,
                        std::FILE* out = stderr);

    // The link whose search is retried after a pass without an ECU. Set before the first tick.
    void setLink(ecu::EcuLink* link) { link_ = link; }

    void probing(const ecu::PortAttempt& port) override;
    void portTried(const ecu::PortAttempt& attempt) override;
    void connected(const ecu::PortAttempt& port) override;
    void searchFailed(const std::vector<ecu::PortAttempt>& attempts) override;
    void workingOffline() override { endProgress(); }
    void connectionLost(const std::string& request, ecu::LossReason reason) override;
    void ecuType(const std::string& type, ecu::SupportLevel level) override;
    void operationStarted(ecu::LinkOperation operation, int total) override;
    void operationStep(ecu::StepKind kind) override;
    void operationFinished(ecu::LinkOperation) override {
        endProgress();
        downloaded_ = true;
    }
    void notice(ecu::LinkNotice notice) override;
    void closeDone() override { sessionClosed_ = true; }

    // Ports tried so far (opened or failed to open), as "COM n PATH".
    std::string portsTried() const;
    // The ECU turned out to be unsupported; the link has stopped.
    bool stopped() const { return stopped_; }
    // The ECU answered StopSession.
    bool sessionClosed() const { return sessionClosed_; }
    bool gaveUp() const { return gaveUp_; }
    // A read of the ECU's data completed.
    bool downloaded() const { return downloaded_; }
    const std::string& lastMessage() const { return lastMessage_; }
    // Prints a line of its own (finishing a progress bar first).
    void note(const std::string& line);

  private:
    void drawProgress();
    void endProgress();
    std::string portLabel(const ecu::PortEntry& port) const;

    const ecu::ILinkPort& port_;
    const FleetDataImage& image_;
    ecu::EcuLink* link_ = nullptr;
    int passes_;
    std::FILE* out_;
    bool terminal_ = false;
    int passesDone_ = 0;
    std::set<int> tried_;
    ecu::PortEntry connectedPort_;
    int total_ = 0;
    int step_ = 0;
    int lastPrintedTenth_ = -1;
    bool barOnLine_ = false;
    bool stopped_ = false;
    bool sessionClosed_ = false;
    bool gaveUp_ = false;
    bool downloaded_ = false;
    std::string lastMessage_;
};

}  // namespace hm::cli
