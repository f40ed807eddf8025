#pragma once
// A small command script that drives the running main dialog through its own command handlers,
// for end-to-end tests and screenshots: the test build of the window program runs it when the
// environment variable HAULMETRY_TEST_SCRIPT names the file (the installed program has none of
// this). The dialog's questions are then answered as ScriptedFileUi answers them. One command a
// line; '#' starts a comment:
//   wait-title TEXT     wait (up to 60 s) until the window title ends with TEXT
//   next | previous | reload | save | close
//   load PATH           load PATH through the load button ("load-saved": the file saved last)
//   choose PATH         the next open-file dialog answers PATH (nothing else happens)
//   sync PATH           create PATH and wait until someone removes it (screenshots)
//   sleep MS
//   hover-bar N         rest the pointer on bar N of the chart (its tooltip comes up)
//   elapsed             print elapsed-ms=, the time since the process started
//   where BUTTON        print "where BUTTON=X,Y", the button's centre in window coordinates
//                       (for real clicks), then "main-modal=1" when the main dialog blocks
//                       other windows (else 0)
//   state               print title=, graph=, graph-title=, enabled= (the enabled buttons),
//                       loaded= and status-tip= (the lamp's tooltip, line breaks as \n)
// Every step is logged to standard output. A failed wait ends the program with status 3.
// Window thread.
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "app/WindowHooks.h"
#include "tests/support/window/ScriptedFileUi.h"

namespace hmtest {

using hm::CHaulDlg;

class SelfTest : public QObject {
    Q_OBJECT

  public:
    SelfTest(CHaulDlg& dialog, QStringList commands);
    static QStringList readScript(const QString& path, QString* error);
    void start();

  private:
    void step();
    bool runCommand(const QString& line);  // false: not finished yet (waiting)
    void printState() const;

    CHaulDlg& dialog_;
    QStringList commands_;
    int next_ = 0;
    qint64 waitStarted_ = -1;
    QTimer timer_;
};

// The test build's hooks, from its environment. HAULMETRY_TEST_SCRIPT: the messages outside the
// dialog are logged ("message: ..."), and the script runs once the dialog is made.
// HAULMETRY_PRINT_FILE: every print of the preview writes its page as a PDF to that path
// instead of showing the print dialog. HAULMETRY_SYSFS_TTY_DIR: the port scan reads the UART
// type of a ttyS device and the kernel's console there instead of /sys/class/tty, so a test
// says which fake ttyS devices have a UART. Without them, the installed program's behaviour.
class SelfTestHooks : public hm::WindowHooks {
  public:
    SelfTestHooks();
    hm::IFileUi* messages() override { return scriptPath_.isEmpty() ? nullptr : &messages_; }
    bool attach(CHaulDlg& dialog) override;
    void adjustPortScan(hm::ecu::PortScanConfig& scan) override;
    void adjustOptions(CHaulDlg::Options& options) override;

  private:
    QString scriptPath_;
    QString printFile_;
    QByteArray sysfsTtyDir_;
    ScriptedFileUi messages_;
};

}  // namespace hmtest
