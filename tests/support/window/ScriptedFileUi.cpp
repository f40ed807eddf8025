#include "tests/support/window/ScriptedFileUi.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "mainwindow/CHaulDlg.h"
#include "resources/Strings.h"

namespace hmtest {
namespace {

void logLine(const char* what, const std::string& text) {
    std::printf("%s: %s\n", what, text.c_str());
    std::fflush(stdout);
}

}  // namespace

std::optional<std::string> ScriptedFileUi::chooseOpenFile(const std::string&) {
    std::optional<std::string> path = nextOpenPath_;
    nextOpenPath_.reset();
    logLine("open-dialog", path.value_or("(cancelled)"));
    return path;
}

bool ScriptedFileUi::askYesNo(const std::string& text, const std::string& details) {
    const bool yes = text != hm::str(hm::sid::kRetryQuestion);
    logLine(yes ? "question (yes)" : "question (no)", text);
    for (size_t start = 0; start < details.size();) {
        const size_t end = std::min(details.find('\n', start), details.size());
        logLine("details", details.substr(start, end - start));
        start = end + 1;
    }
    return yes;
}

void ScriptedFileUi::showMessage(const std::string& text, hm::MessageIcon) {
    logLine("message", text);
}

void ScriptedFileUi::showNotice(const std::string& text) {
    logLine("notice", text);
}

ScriptedFileUi& scriptAnswers(hm::CHaulDlg& dialog) {
    hm::QtFileUi& ui = dialog.fileUi();
    if (auto* installed = dynamic_cast<ScriptedFileUi*>(ui.answeringWith())) {
        return *installed;
    }
    auto scripted = std::make_shared<ScriptedFileUi>();
    ui.answerWith(scripted);
    return *scripted;
}

}  // namespace hmtest
