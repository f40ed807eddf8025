#include "app/CHaulApp.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrinter>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/ArgumentBytes.h"
#include "app/DemoEcu.h"
#include "app/SelfTest.h"
#include "app/SingleInstanceLock.h"
#include "ecu/PortTable.h"
#include "ecu/SerialLinkPort.h"
#include "fleetdata/Settings.h"
#include "mainwindow/CHaulDlg.h"
#include "print/CPrintGraphApp.h"
#include "resources/Strings.h"

namespace hm {
namespace {

void printLine(const QString& text) {
    const QByteArray bytes = (text + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

}  // namespace

bool parseGuiOptions(const QStringList& args, GuiOptions& options, QString& error) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString& out) {
            if (i + 1 >= args.size()) {
                error = QStringLiteral("haulmetry: %1 needs a value").arg(a);
                return false;
            }
            out = args[++i];
            return true;
        };
        QString v;
        if (a == QLatin1String("--demo")) {
            options.demo = true;
        } else if (a == QLatin1String("--port")) {
            if (!value(v)) {
                return false;
            }
            if (v.isEmpty()) {
                error = QStringLiteral("haulmetry: --port needs a device path");
                return false;
            }
            options.ports.push_back(argumentBytes(v));
        } else if (a == QLatin1String("--key")) {
            if (!value(v)) {
                return false;
            }
            const auto keys = ecu::parseKeyConstants(v.toStdString());
            if (!keys) {
                error = QStringLiteral("haulmetry: --key wants ROT,MUL,DIV (ROT 0..15, DIV not 0)");
                return false;
            }
            options.keys = *keys;
        } else if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            options.help = true;
        } else {
            error = QStringLiteral("haulmetry: unknown option '%1' (see haulmetry --help)")
                        .arg(displayArgument(a));
            return false;
        }
    }
    return true;
}

int CHaulApp::run(const QStringList& args) {
    QApplication::setQuitOnLastWindowClosed(false);
    GuiOptions options;
    QString error;
    if (!parseGuiOptions(args, options, error)) {
        printLine(error);
        return 2;
    }
    const QByteArray scriptPath = qgetenv("HAULMETRY_TEST_SCRIPT");

    SingleInstanceLock lock;
    const SingleInstanceLock::Result locked = lock.acquire();
    if (locked == SingleInstanceLock::Result::AlreadyRunning) {
        const QString text = QString::fromUtf8(str(sid::kAlreadyRunning).data());
        if (!scriptPath.isEmpty()) {
            std::printf("message: %s\n", text.toUtf8().constData());
            std::fflush(stdout);
        } else {
            QMessageBox::information(nullptr, QStringLiteral("Haulmetry"), text);
        }
        return 1;
    }
    if (locked == SingleInstanceLock::Result::Failed) {
        printLine(
            QStringLiteral("haulmetry: cannot create the lock file %1 (%2); running "
                           "without the single-instance guard")
                .arg(QString::fromStdString(lock.path()), QString::fromStdString(lock.error())));
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

    ecu::PortScanConfig scan;
    scan.extraPaths = options.ports;
    for (const std::string& p : ecu::portsFromEnvironment()) {
        scan.extraPaths.push_back(p);
    }
    std::vector<ecu::PortEntry> table = ecu::EnumeratePorts(scan);
    if (demoEcu) {
        ecu::PortEntry demo;
        demo.path = demoEcu->devicePath();
        demo.extra = true;
        table.insert(table.begin(), demo);
        if (table.size() > static_cast<size_t>(ecu::kMaxPorts)) {
            table.resize(ecu::kMaxPorts);
        }
        for (size_t i = 0; i < table.size(); ++i) {
            table[i].number = static_cast<int>(i) + 1;
        }
    }
    std::vector<std::string> byIdNames;
    for (const ecu::PortEntry& e : table) {
        byIdNames.push_back(e.byIdName);
    }
    ecu::SerialLinkPort port(std::move(table));

    // Printing to a file instead of through the print dialog, for end-to-end tests: every print
    // of the preview writes its one page as a PDF to this path.
    const QString printFile = qEnvironmentVariable("HAULMETRY_PRINT_FILE");
    if (!printFile.isEmpty()) {
        CPrintGraphApp::instance().setPrintDialogRunner([printFile](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printFile);
            return true;
        });
    }

    CHaulDlg::Options dialogOptions;
    dialogOptions.port = &port;
    dialogOptions.byIdNames = std::move(byIdNames);
    dialogOptions.keys = options.keys;
    const QByteArray settingsOverride = qgetenv("HAULMETRY_SETTINGS");
    dialogOptions.settingsPath =
        !settingsOverride.isEmpty()
            ? settingsOverride.toStdString()
            : settingsPathFor(QCoreApplication::applicationFilePath().toStdString()).string();

    {
        CHaulDlg dialog(dialogOptions);
        std::unique_ptr<SelfTest> selfTest;
        if (!scriptPath.isEmpty()) {
            QString scriptError;
            QStringList commands =
                SelfTest::readScript(QString::fromLocal8Bit(scriptPath), &scriptError);
            if (commands.isEmpty()) {
                printLine(QStringLiteral("haulmetry: test script: %1").arg(scriptError));
                return 2;
            }
            selfTest = std::make_unique<SelfTest>(dialog, commands);
            selfTest->start();
        }
        // The main dialog is modeless and the application's event loop runs the program, so that
        // the print preview (a top-level window of its own) takes input while the dialog is up.
        QObject::connect(&dialog, &QDialog::finished, qApp, &QCoreApplication::quit);
        dialog.show();
        QApplication::exec();
        selfTest.reset();
    }
    if (demoEcu) {
        demoEcu->stop();
    }
    return 0;
}

}  // namespace hm
