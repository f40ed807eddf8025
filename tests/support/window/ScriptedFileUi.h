#pragma once
// The main window's questions answered without a screen, for tests and the command script: the
// open-file dialog returns the path set last (once, then "cancelled"), every question is
// answered Yes except the connection retry question (No), and every question, message and
// notice is logged on standard output ("question (yes): ...", "details: ...", "message: ...",
// "notice: ...", "open-dialog: ...").
#include <optional>
#include <string>

#include "mainwindow/QtFileUi.h"

namespace hm {
class CHaulDlg;
}

namespace hmtest {

class ScriptedFileUi : public hm::IWindowFileUi {
  public:
    std::optional<std::string> chooseOpenFile(const std::string& startDirectory) override;
    using hm::IWindowFileUi::askYesNo;
    bool askYesNo(const std::string& text, const std::string& details) override;
    void showMessage(const std::string& text, hm::MessageIcon icon) override;
    void showNotice(const std::string& text) override;

    void setNextOpenPath(const std::string& path) { nextOpenPath_ = path; }

  private:
    std::optional<std::string> nextOpenPath_;
};

// The scripted answers of `dialog`: installed in its file questions on the first call, the same
// one after. The dialogs come back with dialog.fileUi().answerWith(nullptr).
ScriptedFileUi& scriptAnswers(hm::CHaulDlg& dialog);

}  // namespace hmtest
