#pragma once
// The main window's questions and messages: those of the data-file operations, and the two the
// window adds (a question with details, a notice that does not block). QtFileUi shows them as
// Qt dialogs: the "Open File" dialog and message boxes with the caption "Haulmetry". Window
// thread only.
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "session/FileUi.h"

namespace hm {

class QtFileUi : public IFileUi {
  public:
    explicit QtFileUi(QWidget* owner) : owner_(owner) {}

    std::optional<std::string> chooseOpenFile(const std::string& startDirectory) override;
    bool askYesNo(const std::string& text) override { return askYesNoWithDetails(text, {}); }
    // The question with a details area ("Show Details...") holding `details` when it is not
    // empty.
    bool askYesNoWithDetails(const std::string& text, const std::string& details) override;
    void showMessage(const std::string& text, MessageIcon icon) override;
    // An information box that closes itself when the user closes it.
    void showNotice(const std::string& text) override;

    // Another implementation that answers in place of the dialogs from now on (one that asks
    // elsewhere, or a test's); nullptr: the dialogs again.
    void answerWith(std::shared_ptr<IFileUi> other) { other_ = std::move(other); }
    IFileUi* answeringWith() const { return other_.get(); }

  private:
    QWidget* owner_;
    std::shared_ptr<IFileUi> other_;
};

}  // namespace hm
