#include "app/CHaulApp.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <utility>

#include "app/DemoEcu.h"
#include "app/FileDropFilter.h"
#include "app/InstanceHandOver.h"
#include "app/LibraryRecording.h"
#include "app/LibrarySettingsAccess.h"
#include "app/ReportFacts.h"
#include "app/SingleInstanceLock.h"
#include "app/TraceFile.h"
#include "app/WindowHooks.h"
#include "ecu/PortTable.h"
#include "ecu/SerialLinkPort.h"
#include "librarywindow/LibraryWindow.h"
#include "mainwindow/CHaulDlg.h"
#include "platform/Environment.h"
#include "platform/FileAccess.h"
#include "platform/Settings.h"
#include "resources/MessageIcon.h"
#include "resources/Strings.h"
#include "session/FileUi.h"
#include "widgets/UiText.h"

namespace hm {
namespace {

// How long a second start waits for the running copy to take its file.
constexpr int kHandOverTimeoutMs = 5000;

void printLine(const QString& text) {
    const QByteArray bytes = (text + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

// The one data file argument.
bool takeFileArgument(const std::string& a, GuiOptions& options, std::string& error) {
    if (!options.file.empty()) {
        error = "haulmetry: one data file at most (see haulmetry --help)";
        return false;
    }
    if (a.empty()) {
        error = "haulmetry: the file name is empty";
        return false;
    }
    options.file = a;
    return true;
}

// The field of the options that take one non-empty text (a file name, a URL); nullptr for others.
std::string* textOption(const std::string& name, GuiOptions& options) {
    return name == "--trace"     ? &options.traceFile
           : name == "--library" ? &options.library
                                 : nullptr;
}

}  // namespace

bool parseGuiOptions(const std::vector<std::string>& args, GuiOptions& options,
                     std::string& error) {
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = "haulmetry: " + a + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string v;
        if (optionsEnded || a.empty() || a[0] != '-') {
            if (!takeFileArgument(a, options, error)) {
                return false;
            }
        } else if (a == "--") {
            optionsEnded = true;
        } else if (a == "--demo") {
            options.demo = true;
        } else if (a == "--port") {
            if (!value(v)) {
                return false;
            }
            if (v.empty()) {
                error = "haulmetry: --port needs a device path";
                return false;
            }
            options.ports.push_back(v);
        } else if (a == "--key") {
            if (!value(v)) {
                return false;
            }
            const auto keys = ecu::parseKeyConstants(v);
            if (!keys) {
                error = "haulmetry: --key wants ROT,MUL,DIV (ROT 0..15, DIV not 0)";
                return false;
            }
            options.keys = *keys;
        } else if (std::string* text = textOption(a, options)) {
            if (!value(*text)) {
                return false;
            }
            if (text->empty()) {
                error = "haulmetry: " + a + " needs a file name" +
                        (a == "--library" ? " or a postgresql:// URL" : "");
                return false;
            }
        } else if (a == "-h" || a == "--help") {
            options.help = true;
        } else {
            error = "haulmetry: unknown option '" + printablePath(a) + "' (see haulmetry --help)";
            return false;
        }
    }
    return true;
}

namespace {

// A message box, or the hooks' message when there are hooks that take messages.
void tell(WindowHooks* hooks, const QString& text, MessageIcon icon) {
    if (IFileUi* ui = hooks != nullptr ? hooks->messages() : nullptr) {
        ui->showMessage(text.toStdString(), icon);
        return;
    }
    const QMessageBox::Icon boxIcon = icon == MessageIcon::Error         ? QMessageBox::Critical
                                      : icon == MessageIcon::Exclamation ? QMessageBox::Warning
                                                                         : QMessageBox::Information;
    QMessageBox box(boxIcon, QStringLiteral("Haulmetry"), text, QMessageBox::Ok);
    box.exec();
}

// Another copy holds the lock: hands it our file, else says it runs. The exit status.
int handToRunningCopy(const SingleInstanceLock& lock, const GuiOptions& options,
                      WindowHooks* hooks) {
    if (!options.file.empty()) {
        QString error;
        const HandOverResult handed = handOverFile(handOverSocketPath(lock.directory()),
                                                   options.file, kHandOverTimeoutMs, error);
        if (handed == HandOverResult::Taken) {
            return 0;
        }
        if (handed == HandOverResult::Busy) {
            tell(hooks,
                 QCoreApplication::translate(
                     "hm::CHaulApp", "The running Haulmetry window is busy; %1 was not opened.")
                     .arg(QString::fromStdString(printablePath(options.file))),
                 MessageIcon::Exclamation);
            return 1;
        }
        printLine(QCoreApplication::translate(
                      "hm::CHaulApp", "haulmetry: the running copy did not take the file: %1")
                      .arg(error));
    }
    tell(hooks, uiText(sid::kAlreadyRunning), MessageIcon::Information);
    return 1;
}

// The devices to scan: /dev, or the folder HAULMETRY_DEVICE_DIR (with its own serial/by-id
// folder), such as a folder of links to the workshop's adapters.
ecu::PortScanConfig portScanConfigFromEnvironment() {
    ecu::PortScanConfig scan;
    if (const std::optional<std::string> devDir = envNonEmpty(EnvVar::DeviceDir)) {
        scan.devDir = *devDir;
        scan.byIdDir = scan.devDir + "/serial/by-id";
    }
    return scan;
}

// The window's port table: the demo ECU, then the --port paths are probed first, as `download`
// probes its --port paths; the scanned devices and HAULMETRY_PORTS follow.
ecu::PortScanConfig windowPortScan(const GuiOptions& options, const DemoEcu* demoEcu) {
    ecu::PortScanConfig scan = portScanConfigFromEnvironment();
    if (demoEcu != nullptr) {
        scan.firstPaths.push_back(demoEcu->devicePath());
    }
    scan.firstPaths.insert(scan.firstPaths.end(), options.ports.begin(), options.ports.end());
    scan.extraPaths = ecu::portsFromEnvironment();
    return scan;
}

std::vector<std::string> byIdNamesOf(const ecu::SerialLinkPort& port) {
    std::vector<std::string> names;
    for (const ecu::PortEntry& e : port.ports()) {
        names.push_back(e.byIdName);
    }
    return names;
}

CHaulDlg::Options dialogOptions(const GuiOptions& options, ecu::SerialLinkPort& port,
                                std::vector<std::string> byIdNames) {
    CHaulDlg::Options dialogOptions;
    dialogOptions.session.port = &port;
    dialogOptions.session.byIdNames = std::move(byIdNames);
    dialogOptions.session.keys = options.keys;
    const std::optional<std::string> settingsOverride = envNonEmpty(EnvVar::SettingsFile);
    dialogOptions.session.settingsPath =
        settingsOverride
            ? *settingsOverride
            : settingsPathFor(QCoreApplication::applicationFilePath().toStdString()).string();
    return dialogOptions;
}

// Opens the --trace file (none when `path` is empty); what went wrong, or empty. Only a regular
// file is written: a FIFO there would otherwise hold the start (and the lock) until a reader
// came.
QString openTraceFile(const std::string& path, TraceFile& file) {
    std::string reason;
    if (path.empty() || file.open(path, reason)) {
        return {};
    }
    const QString problem =
        QCoreApplication::translate("hm::CHaulApp",
                                    "Haulmetry cannot write the trace file %1: %2. The "
                                    "link is not traced to a file.")
            .arg(QString::fromStdString(printablePath(path)), QString::fromStdString(reason));
    printLine(QStringLiteral("haulmetry: ") + problem);
    return problem;
}

// Loads a file from outside (second start, drop) as the load button loads a chosen file, once
// the event loop runs; refused while the window is busy: the load button disabled (download,
// load) or another modal window open.
bool openFromOutside(CHaulDlg& dialog, const std::string& path) {
    QWidget* modal = QApplication::activeModalWidget();
    if ((modal != nullptr && modal != &dialog) || !dialog.canLoadFile()) {
        return false;
    }
    dialog.showNormal();
    dialog.raise();
    dialog.activateWindow();
    QTimer::singleShot(0, &dialog, [&dialog, path] { dialog.loadFile(path); });
    return true;
}

// The main window's "Library..." opens the library window (its queries run on the recording's
// library thread), or raises the one that is open and reads the fleet again; an open window also
// reads it again after each image the recording stored. A download chosen there is loaded as a file
// from outside is.
void attachLibraryWindow(CHaulDlg& dialog, LibraryRecording& recording) {
    auto window = std::make_shared<QPointer<LibraryWindow>>();
    recording.setStored([window] {
        if (*window != nullptr && (*window)->isVisible()) {
            (*window)->refresh();
        }
    });
    dialog.setLibraryOpener([&dialog, window, &recording] {
        if (*window == nullptr) {
            LibraryWindow::Options options;
            options.worker = &recording.worker();
            options.location = options.worker->location();
            options.openDownload = [&dialog](const ImageBytes& bytes, const std::string& label) {
                QWidget* modal = QApplication::activeModalWidget();
                if ((modal != nullptr && modal != &dialog) || !dialog.canLoadFile()) {
                    return false;
                }
                dialog.raise();
                dialog.activateWindow();
                QTimer::singleShot(0, &dialog,
                                   [&dialog, bytes, label] { dialog.loadBytes(bytes, label); });
                return true;
            };
            options.startFolder = [&dialog] {
                return dialogStartDirectory(dialog.session().dataFileState());
            };
            *window = new LibraryWindow(std::move(options), &dialog);
        } else {
            (*window)->refresh();
        }
        (*window)->show();
        (*window)->raise();
        (*window)->activateWindow();
    });
}

// Shows the main dialog and runs the event loop until it closes; the exit status.
int runWindow(const CHaulDlg::Options& dialogOptions, const GuiOptions& options,
              const SingleInstanceLock& lock, WindowHooks* hooks, const QString& traceProblem,
              LibraryRecording& recording) {
    CHaulDlg dialog(dialogOptions);
    recording.setTell([&dialog](const std::string& text) { dialog.fileUi().showNotice(text); });
    const auto fromOutside = [&dialog](const std::string& path) {
        return openFromOutside(dialog, path);
    };
    // The hand-over socket is opened once the window is up (a second start meanwhile keeps
    // trying to connect for a while), so that it costs the start nothing.
    InstanceServer server(fromOutside);
    QTimer::singleShot(0, &dialog, [&server, &lock] {
        QString serverError;
        if (!server.listen(handOverSocketPath(lock.directory()), serverError)) {
            printLine(QStringLiteral("haulmetry: a second start cannot hand its file over: %1")
                          .arg(serverError));
        }
    });
    attachLibraryWindow(dialog, recording);
    attachReportFacts(dialog, recording.worker());
    dialog.setLibrarySettingsAccess(librarySettingsAccess(options.library));
    FileDropFilter dropFilter(fromOutside);
    dialog.setAcceptDrops(true);
    dialog.installEventFilter(&dropFilter);
    if (!options.file.empty()) {
        const std::string file = absoluteFilePath(options.file);
        QTimer::singleShot(0, &dialog, [&dialog, file = file.empty() ? options.file : file] {
            dialog.loadFile(file);
        });
    }
    if (hooks != nullptr && !hooks->attach(dialog)) {
        return 2;
    }
    // The main dialog is modeless and the application's event loop runs the program, so that
    // the print preview (a top-level window of its own) takes input while the dialog is up.
    QObject::connect(&dialog, &QDialog::finished, qApp, &QCoreApplication::quit);
    dialog.show();
    if (!traceProblem.isEmpty()) {
        QTimer::singleShot(0, &dialog, [hooks, traceProblem] {
            tell(hooks, traceProblem, MessageIcon::Exclamation);
        });
    }
    QApplication::exec();
    return 0;
}

// No single-instance lock could be set up: said on standard error and to the user; status 1.
int lockFailed(const SingleInstanceLock& lock, WindowHooks* hooks) {
    const QString text = QCoreApplication::translate(
                             "hm::CHaulApp", "Haulmetry cannot set up its single-instance lock: %1")
                             .arg(QString::fromStdString(lock.error()));
    printLine(QStringLiteral("haulmetry: ") + text);
    tell(hooks, text, MessageIcon::Error);
    return 1;
}

}  // namespace

int CHaulApp::run(const GuiOptions& options, WindowHooks* hooks) {
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstanceLock lock;
    const SingleInstanceLock::Result locked = lock.acquire();
    if (locked == SingleInstanceLock::Result::AlreadyRunning) {
        return handToRunningCopy(lock, options, hooks);
    }
    if (locked == SingleInstanceLock::Result::Failed) {
        return lockFailed(lock, hooks);
    }

    // Demo mode: the virtual ECU on a pseudo-terminal, first in the port table.
    std::unique_ptr<DemoEcu> demoEcu;
    if (options.demo) {
        demoEcu = std::make_unique<DemoEcu>();
        if (!demoEcu->start(options.keys)) {
            printLine(QStringLiteral("haulmetry: the demo ECU could not start: %1")
                          .arg(QString::fromStdString(demoEcu->error())));
            return 1;
        }
    }
    ecu::PortScanConfig scan = windowPortScan(options, demoEcu.get());
    if (hooks != nullptr) {
        hooks->adjustPortScan(scan);
    }
    ecu::SerialLinkPort port(scan);
    CHaulDlg::Options windowOptions = dialogOptions(options, port, byIdNamesOf(port));
    if (hooks != nullptr) {
        hooks->adjustOptions(windowOptions);
    }
    // An adapter plugged in later joins the table (at its end, so no listed port changes its
    // number) and is probed in the next pass.
    windowOptions.session.refreshPorts = [&port, &scan](const ecu::PortChanges& changes) {
        port.addChangedPorts(scan, changes);
        return byIdNamesOf(port);
    };
    windowOptions.session.leftOutPorts = [&port] { return port.leftOut(); };
    // The lamp's tooltip reads a USB adapter's facts where the scan reads the ttys.
    windowOptions.session.sysClassTtyDir = scan.sysClassTtyDir;
    windowOptions.watchDevices = scan;
    // Opened to show a file (a double-click): finding no ECU is no question to ask over it.
    windowOptions.session.offlineWhenNotFound = !options.file.empty();
    // Every download, loaded file and saved file also goes into the trailer library.
    LibraryRecording recording(options.library);
    windowOptions.session.recorder = &recording;
    // Opened only now that this copy runs: a second start must not empty the running one's trace.
    TraceFile traceFile;
    const QString traceProblem = openTraceFile(options.traceFile, traceFile);
    if (traceFile.isOpen()) {
        windowOptions.session.traceFile = &traceFile.stream();
    }
    const int status = runWindow(windowOptions, options, lock, hooks, traceProblem, recording);
    // The window is gone: a next start may run while the recording hands over what is left.
    lock.release();
    if (demoEcu) {
        demoEcu->stop();
    }
    return status;
}

}  // namespace hm
