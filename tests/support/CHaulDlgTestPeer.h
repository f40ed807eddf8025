#pragma once
// The main window's own state, for tests: the program sees the window only through its intents,
// its controls and its session (the session's inner parts: SessionTestPeer.h).
#include "mainwindow/CHaulDlg.h"
#include "print/CPrintGraphApp.h"

namespace hm {

class CHaulDlgTestPeer {
  public:
    explicit CHaulDlgTestPeer(CHaulDlg& dialog) : dialog_(dialog) {}

    // The print preview's controller (made now if no print was asked yet): the printing code
    // linked into the tests, so the one the module interface hands out is a CPrintGraphApp.
    CPrintGraphApp& preview() { return dynamic_cast<CPrintGraphApp&>(*dialog_.preview()); }
    PageKind printPageKind() const { return dialog_.printPageKind_; }
    void setPrintPageKind(PageKind kind) { dialog_.printPageKind_ = kind; }
    // The stability record chosen for printing (0-based).
    int selectedRecord() const { return dialog_.selectedRecord_; }
    // What the print preview draws, as it is now.
    PageInputs pageInputs() const { return dialog_.pageInputs(); }
    bool linkTimerActive() const { return dialog_.linkTimer_.isActive(); }

  private:
    CHaulDlg& dialog_;
};

}  // namespace hm

namespace hmtest {

inline hm::CHaulDlgTestPeer peer(hm::CHaulDlg& dialog) {
    return hm::CHaulDlgTestPeer(dialog);
}

}  // namespace hmtest
