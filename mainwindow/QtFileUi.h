#pragma once
// The main window's questions and messages: those of the data-file operations, and the two the
// window adds (a question with details, a notice that does not block). QtFileUi shows them as
// Qt dialogs: the "Open File" dialog and message boxes with the caption "Haulmetry". Window
// thread only.
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "mainwindow/core/FileUi.h"

namespace hm {

class IWindowFileUi : public IFileUi {
  public:
    bool askYesNo(const std::string& text) final { return askYesNo(text, {}); }
    // The same question with a details area ("Show Details...") holding `details` when it is
    // not empty.
    virtual bool askYesNo(const std::string& text, const std::string& details) = 0;
    // A short information that does not block (the window and the link go on).
    virtual void showNotice(const std::string& text) = 0;
};

class QtFileUi : public IWindowFileUi {
  public:
    explicit QtFileUi(QWidget* owner) : owner_(owner) {}

    std::optional<std::string> chooseOpenFile(const std::string& startDirectory) override;
    using IWindowFileUi::askYesNo;
    bool askYesNo(const std::string& text, const std::string& details) override;
    void showMessage(const std::string& text, MessageIcon icon) override;
    // An information box that closes itself when the user closes it.
    void showNotice(const std::string& text) override;

    // Another implementation that answers in place of the dialogs from now on (one that asks
    // elsewhere, or a test's); nullptr: the dialogs again.
    void answerWith(std::shared_ptr<IWindowFileUi> other) { other_ = std::move(other); }
    IWindowFileUi* answeringWith() const { return other_.get(); }

  private:
    QWidget* owner_;
    std::shared_ptr<IWindowFileUi> other_;
};

}  // namespace hm
