#include "support/RecordingLinkHost.h"

namespace hmtest {

void RecordingLinkHost::setTitleState(const std::string& stateText) {
    title = stateText;
    log.push_back("title " + stateText);
}
void RecordingLinkHost::enableButton(int controlId, bool enabled) {
    buttons[controlId] = enabled;
    log.push_back("enable " + std::to_string(controlId) + (enabled ? " 1" : " 0"));
}
void RecordingLinkHost::setEcuTypeText(const std::string& text) {
    ecuTypeText = text;
    log.push_back("ecutype " + text);
}
void RecordingLinkHost::startProgress(int total) {
    progressTotal = total;
    progressStep = 0;
    ++progressStarts;
    progressVisible = true;
    shownGraph = 0;
    log.push_back("startProgress " + std::to_string(total));
}
void RecordingLinkHost::stepProgress() {
    ++progressStep;
    if (progressStep > progressTotal) {
        shownGraph = 1;
        progressVisible = false;
    }
    log.push_back("step");
}
void RecordingLinkHost::endProgress() {
    progressStep = 0;
    progressVisible = false;
    log.push_back("endProgress");
}
void RecordingLinkHost::hideProgressBar() {
    progressVisible = false;
    log.push_back("hideProgress");
}
void RecordingLinkHost::showGraph(int graphNumber) {
    shownGraph = graphNumber;
    log.push_back("showGraph " + std::to_string(graphNumber));
}
void RecordingLinkHost::setSelectedGraph(int graphNumber) {
    selectedGraph = graphNumber;
    log.push_back("selectGraph " + std::to_string(graphNumber));
}
void RecordingLinkHost::setStatusIcon(hm::ecu::StatusIcon i) {
    icon = i;
    log.push_back("icon " + std::to_string(static_cast<int>(i)));
}
void RecordingLinkHost::setStatusTooltip(const std::string& text) {
    tooltip = text;
    log.push_back("tooltip " + text);
}
bool RecordingLinkHost::askYesNo(const std::string& text) {
    questions.push_back(text);
    log.push_back("ask " + text);
    if (answers.empty()) {
        return defaultAnswer;
    }
    const bool a = answers.front();
    answers.pop_front();
    return a;
}
void RecordingLinkHost::showMessage(const std::string& text, hm::MessageIcon) {
    messages.push_back(text);
    log.push_back("message " + text);
}
void RecordingLinkHost::stopLinkTimer() {
    ++timerStops;
    log.push_back("stopTimer");
}
void RecordingLinkHost::endDialog() {
    ++dialogEnds;
    log.push_back("endDialog");
}

bool RecordingLinkHost::button(int id) const {
    const auto it = buttons.find(id);
    return it != buttons.end() && it->second;
}

int RecordingLinkHost::count(const std::string& prefix) const {
    int n = 0;
    for (const std::string& entry : log) {
        if (entry.rfind(prefix, 0) == 0) {
            ++n;
        }
    }
    return n;
}

}  // namespace hmtest
