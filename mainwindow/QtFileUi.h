#pragma once
// The data-file operations' questions and messages as Qt dialogs: the "Open File" dialog and
// message boxes with the caption "Haulmetry". A scripted mode (the self-test) answers without
// showing anything and logs what it was asked. Window thread only.
#include <QString>
#include <QWidget>
#include <optional>

#include "session/FileUi.h"

namespace hm {

class QtFileUi : public IFileUi {
  public:
    explicit QtFileUi(QWidget* owner) : owner_(owner) {}

    std::optional<std::string> chooseOpenFile(const std::string& startDirectory) override;
    bool askYesNo(const std::string& text) override { return askYesNo(text, {}); }
    // The same question with a details area ("Show Details...") holding `details` when it is
    // not empty; scripted, each line of the details is logged after the question.
    bool askYesNo(const std::string& text, const std::string& details);
    bool askYesNoWithDetails(const std::string& text, const std::string& details) override {
        return askYesNo(text, details);
    }
    void showMessage(const std::string& text, MessageIcon icon) override;
    // A short information box that does not block (the window and the link go on); it closes
    // itself when the user closes it. Scripted: only logged.
    void showNotice(const std::string& text) override;

    // Scripted answers: the next open dialog returns `path` (once); questions are answered
    // Yes, except the connection retry question (No); messages are only logged to stdout.
    void setScripted(bool scripted) { scripted_ = scripted; }
    bool scripted() const { return scripted_; }
    void setNextOpenPath(const std::string& path) { nextOpenPath_ = path; }

  private:
    QWidget* owner_;
    bool scripted_ = false;
    std::optional<std::string> nextOpenPath_;
};

}  // namespace hm
