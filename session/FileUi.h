#pragma once
// What the session and its save and load operations ask of the user. The main window implements it
// with its file dialog and message boxes; tests and the command line implement it without a window.
// Called on the thread that runs the save or load (the window thread in the program).
#include <optional>
#include <string>

#include "resources/MessageIcon.h"

namespace hm {

class IFileUi {
  public:
    virtual ~IFileUi() = default;

    // The open-file dialog: title "Open File", filters "Haulmetry Data Files" (*.asc, selected)
    // and "All Files" (*), default extension ".asc", starting in `startDirectory` (empty: the
    // current folder), the chosen file must exist. Returns the chosen path, or nothing when the
    // user cancels.
    virtual std::optional<std::string> chooseOpenFile(const std::string& startDirectory) = 0;

    // A message box with the caption "Haulmetry" and the buttons Yes and No; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;

    // A message box with the caption "Haulmetry", an OK button and `icon`; returns when the user
    // has closed it.
    virtual void showMessage(const std::string& text, MessageIcon icon) = 0;

    // A Yes/No question with `details` the user can open (the ports tried by a search that found
    // no ECU); true for Yes. Without a details area: the question alone.
    virtual bool askYesNoWithDetails(const std::string& text, const std::string& /*details*/) {
        return askYesNo(text);
    }

    // A short notice that does not block (the window and the link go on). Without one: nothing.
    virtual void showNotice(const std::string& /*text*/) {}
};

}  // namespace hm
