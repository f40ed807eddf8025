#pragma once
// The link host of the headless download: progress and findings go to standard error (a
// progress bar on a terminal, plain lines otherwise); the retry question is answered Yes until
// the allowed number of passes over the ports is used up, then No. No Qt; window thread (the
// thread that runs the link's ticks).
#include <cstdio>
#include <string>

#include "ecu/LinkHost.h"
#include "ecu/LinkPort.h"
#include "fleetdata/FleetDataImage.h"

namespace hm::cli {

class ConsoleLinkHost : public ecu::ILinkHost {
  public:
    ConsoleLinkHost(const ecu::ILinkPort& port, const FleetDataImage& image, int passes,
                    std::FILE* out = stderr);

    void setTitleState(const std::string&) override {}
    void enableButton(int, bool) override {}
    void setEcuTypeText(const std::string& text) override;
    void startProgress(int total) override;
    void stepProgress() override;
    void endProgress() override;
    void hideProgressBar() override;
    void showGraph(int) override {}
    void setSelectedGraph(int) override {}
    void setStatusIcon(ecu::StatusIcon icon) override;
    void setStatusTooltip(const std::string&) override {}
    bool askYesNo(const std::string& text) override;
    void showMessage(const std::string& text, ecu::MessageIcon icon) override;
    void stopLinkTimer() override { timerStopped_ = true; }
    void endDialog() override { dialogEnded_ = true; }

    // Ports tried so far (table indexes that were opened or failed to open), as "COM n PATH".
    std::string portsTried() const;
    bool timerStopped() const { return timerStopped_; }
    bool dialogEnded() const { return dialogEnded_; }
    bool gaveUp() const { return gaveUp_; }
    const std::string& lastMessage() const { return lastMessage_; }
    // Notes which port the link is about to try (the state machine's port index).
    void setPortIndex(int index) { portIndex_ = index; }
    // Prints a line of its own (finishing a progress bar first).
    void note(const std::string& line);

  private:
    void drawProgress();
    std::string portLabel(int index) const;

    const ecu::ILinkPort& port_;
    const FleetDataImage& image_;
    int passes_;
    std::FILE* out_;
    bool terminal_ = false;
    int passesDone_ = 0;
    int portIndex_ = 0;
    unsigned long long triedMask_[4] = {0, 0, 0, 0};
    int total_ = 0;
    int step_ = 0;
    int lastPrintedTenth_ = -1;
    bool barOnLine_ = false;
    bool timerStopped_ = false;
    bool dialogEnded_ = false;
    bool gaveUp_ = false;
    std::string lastMessage_;
};

}  // namespace hm::cli
