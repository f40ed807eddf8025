#pragma once
// What a build of the window program may add around its main dialog. The installed program adds
// nothing (no hooks: messages are message boxes, the dialog is the user's, the devices are the
// machine's); the test build drives the dialog from a command script, answers its questions,
// prints to a file and points the port scan at a fake kernel folder. Window thread.
#include "ecu/PortTable.h"
#include "mainwindow/CHaulDlg.h"

namespace hm {

class IFileUi;

class WindowHooks {
  public:
    virtual ~WindowHooks() = default;
    // Where the messages shown before or beside the main dialog go (another copy runs, no
    // lock, no trace file); nullptr: message boxes, as without hooks.
    virtual IFileUi* messages() = 0;
    // Called once the main dialog is made, before it is shown. False ends the start with
    // status 2 (the hook has said why on standard error).
    virtual bool attach(CHaulDlg& dialog) = 0;
    // Called once with the port table's scan before the table is made.
    virtual void adjustPortScan(ecu::PortScanConfig& /*scan*/) {}
    // Called once with the main dialog's options before the dialog is made.
    virtual void adjustOptions(CHaulDlg::Options& /*options*/) {}
};

}  // namespace hm
