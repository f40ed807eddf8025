#pragma once
// The link host of the headless download: progress and findings go to standard error (a
// progress bar on a terminal, plain lines otherwise); the retry question is answered Yes until
// the allowed number of passes over the ports is used up, then No. No Qt; window thread (the
// thread that runs the link's ticks).
//
// Bytes from the line (identification, type) and device paths are printed through
// PrintableText, so control bytes appear as \xNN. A failed write of a progress line (a closed
// pipe) is ignored: SIGPIPE is ignored by the command line and the download goes on.
#include <cstdio>
#include <string>

#include "ecu/EcuLink.h"
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
    void showMessage(const std::string& text, MessageIcon icon) override;
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
    // The link whose frame counters explain a port that gave no usable answer (optional).
    void setLink(const ecu::EcuLink* link) { link_ = link; }
    // Prints a line of its own (finishing a progress bar first).
    void note(const std::string& line);

  private:
    void drawProgress();
    std::string portLabel(int index) const;
    // "no answer on COM n PATH", or that only frames with a bad checksum came.
    std::string noAnswerLine(int index) const;

    const ecu::ILinkPort& port_;
    const FleetDataImage& image_;
    const ecu::EcuLink* link_ = nullptr;
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
    ecu::StatusIcon lastIcon_ = ecu::StatusIcon::Off;
    int lastProbed_ = 0;
    bool timerStopped_ = false;
    bool dialogEnded_ = false;
    bool gaveUp_ = false;
    std::string lastMessage_;
};

}  // namespace hm::cli
