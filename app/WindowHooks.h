#pragma once
// What a build of the window program may add around its main dialog. The installed program adds
// nothing (no hooks: messages are message boxes, the dialog is the user's); the test build
// drives the dialog from a command script and answers its questions. Window thread.
namespace hm {

class CHaulDlg;
class IFileUi;

class WindowHooks {
  public:
    virtual ~WindowHooks() = default;
    // Where the messages shown before or beside the main dialog go (another copy runs, no
    // lock, no trace file).
    virtual IFileUi& messages() = 0;
    // Called once the main dialog is made, before it is shown. False ends the start with
    // status 2 (the hook has said why on standard error).
    virtual bool attach(CHaulDlg& dialog) = 0;
};

}  // namespace hm
