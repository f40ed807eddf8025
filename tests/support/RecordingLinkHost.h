#pragma once
// An ILinkHost for tests: keeps the state the link sets (title, buttons, progress, icon, ...)
// and a log of every call, answers the retry question from a script.
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "ecu/LinkHost.h"

namespace hmtest {

class RecordingLinkHost : public hm::ecu::ILinkHost {
  public:
    void setTitleState(const std::string& stateText) override;
    void enableButton(int controlId, bool enabled) override;
    void setEcuTypeText(const std::string& text) override;
    void startProgress(int total) override;
    void stepProgress() override;
    void endProgress() override;
    void hideProgressBar() override;
    void showGraph(int graphNumber) override;
    void setSelectedGraph(int graphNumber) override;
    void setStatusIcon(hm::ecu::StatusIcon icon) override;
    void setStatusTooltip(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    void showMessage(const std::string& text, hm::MessageIcon icon) override;
    void stopLinkTimer() override;
    void endDialog() override;

    // Answers of askYesNo in order; when empty, `defaultAnswer`.
    std::deque<bool> answers;
    bool defaultAnswer = true;

    std::vector<std::string> log;  // one entry per call, e.g. "enable 1003 0"
    std::string title;
    std::map<int, bool> buttons;
    std::string ecuTypeText;
    int progressTotal = 0;
    int progressStep = 0;
    int progressStarts = 0;
    bool progressVisible = false;
    int shownGraph = -1;
    int selectedGraph = 0;
    hm::ecu::StatusIcon icon = hm::ecu::StatusIcon::Off;
    std::string tooltip;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    int timerStops = 0;
    int dialogEnds = 0;

    bool button(int id) const;
    int count(const std::string& prefix) const;  // log entries starting with prefix
};

}  // namespace hmtest
