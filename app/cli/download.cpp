// `haulmetry download`: finds the ECU on the given ports (or on every port of the table), runs
// the same state machine and protocol as the window with a real 100 ms tick, and saves the
// downloaded image as a data file.
#include <signal.h>

#include <QCommandLineParser>
#include <atomic>
#include <chrono>
#include <cstring>
#include <fstream>
#include <memory>

#include "app/cli/ConsoleLinkHost.h"
#include "app/cli/DataFileArgs.h"
#include "app/cli/Subcommand.h"
#include "ecu/EcuLink.h"
#include "ecu/LinkTickLoop.h"
#include "ecu/PortTable.h"
#include "ecu/SecurityKey.h"
#include "ecu/SerialLinkPort.h"
#include "ecu/TracingLinkPort.h"
#include "fleetdata/DataFile.h"
#include "fleetdata/DataFileController.h"
#include "fleetdata/FileAccess.h"
#include "fleetdata/LocalTime.h"

namespace hm::cli {
namespace {

std::atomic<int> interrupts{0};

void onInterrupt(int) {
    interrupts.fetch_add(1);
}

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitInterrupted = 130;

int runDownload(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Downloads the fleet data and stability records of the ECU and saves a data file."));
    parser.addHelpOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"), QStringLiteral("Serial device to try (repeatable, in order)."),
        QStringLiteral("PATH"));
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("Data file to write."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption passesOption(
        QStringLiteral("passes"),
        QStringLiteral("Passes over the ports before giving up (default 1)."), QStringLiteral("N"),
        QStringLiteral("1"));
    const QCommandLineOption keyOption(QStringLiteral("key"),
                                       QStringLiteral("Security key constants of the ECU."),
                                       QStringLiteral("ROT,MUL,DIV"));
    const QCommandLineOption traceOption(
        QStringLiteral("trace"),
        QStringLiteral("Write every frame sent and received to FILE (ms, direction, hex)."),
        QStringLiteral("FILE"));
    parser.addOptions({portOption, outputOption, passesOption, keyOption, traceOption});

    if (!parser.parse(args)) {
        printError(QStringLiteral("haulmetry download: ") + parser.errorText());
        return kExitUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        printOut(parser.helpText());
        return kExitOk;
    }
    if (!parser.positionalArguments().isEmpty()) {
        printError(QStringLiteral("haulmetry download: unexpected argument '%1'")
                       .arg(parser.positionalArguments().constFirst()));
        return kExitUsage;
    }
    if (!parser.isSet(outputOption) || parser.value(outputOption).isEmpty()) {
        printError(QStringLiteral("haulmetry download: -o FILE is required"));
        return kExitUsage;
    }
    bool passesOk = false;
    const int passes = parser.value(passesOption).toInt(&passesOk);
    if (!passesOk || passes < 1 || passes > 1000) {
        printError(QStringLiteral("haulmetry download: --passes needs a number from 1 to 1000"));
        return kExitUsage;
    }
    ecu::KeyConstants keys = ecu::kDefaultKeyConstants;
    if (parser.isSet(keyOption)) {
        const auto parsed = ecu::parseKeyConstants(parser.value(keyOption).toStdString());
        if (!parsed) {
            printError(QStringLiteral(
                "haulmetry download: --key needs ROT,MUL,DIV (ROT 0..15, DIV not 0)"));
            return kExitUsage;
        }
        keys = *parsed;
    }
    const std::string output = localPath(parser.value(outputOption));

    ecu::PortScanConfig scan;
    if (parser.isSet(portOption)) {
        scan.scanDevices = false;
        for (const QString& path : parser.values(portOption)) {
            scan.extraPaths.push_back(localPath(path));
        }
    } else {
        scan.extraPaths = ecu::portsFromEnvironment();
    }
    ecu::SerialLinkPort serial(scan);
    if (serial.portCount() == 0) {
        printError(QStringLiteral("haulmetry download: no ECU found (no serial port to try)"));
        return kExitFailed;
    }

    std::ofstream traceFile;
    std::unique_ptr<ecu::TracingLinkPort> tracer;
    if (parser.isSet(traceOption)) {
        traceFile.open(localPath(parser.value(traceOption)), std::ios::trunc);
        if (!traceFile) {
            printError(QStringLiteral("haulmetry download: cannot write the trace file %1")
                           .arg(displayPath(parser.value(traceOption))));
            return kExitFailed;
        }
        tracer = std::make_unique<ecu::TracingLinkPort>(serial, traceFile);
    }
    ecu::ILinkPort& port = tracer ? static_cast<ecu::ILinkPort&>(*tracer) : serial;

    auto image = std::make_unique<FleetDataImage>();
    image->clear();
    ConsoleLinkHost host(port, *image, passes);
    ecu::EcuLink link(port, host, *image, keys);

    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    struct sigaction previous {};
    sigaction(SIGINT, &action, &previous);
    interrupts = 0;

    bool stopping = false;
    bool interrupted = false;
    const auto finished = [&] {
        host.setPortIndex(link.portIndex());
        const int seen = interrupts.load();
        if (seen > 0 && !stopping) {
            stopping = true;
            if (link.RequestClose()) {
                interrupted = true;  // no ECU link: nothing to end
                return true;
            }
            host.note("interrupted: ending the ECU session");
        }
        if (stopping) {
            // A second interrupt, the ECU's answer or the loss of the link ends the run.
            interrupted = seen > 1 || host.dialogEnded() || !link.linked();
            return interrupted;
        }
        return link.completedReads() > 0 || host.timerStopped() || host.gaveUp();
    };
    ecu::LinkTickLoop loop(link);
    const auto outcome = loop.run(finished, std::chrono::hours(24 * 365));
    sigaction(SIGINT, &previous, nullptr);

    if (interrupted) {
        host.note("interrupted");
        return kExitInterrupted;
    }
    if (link.completedReads() > 0) {
        stampSavedImage(*image, currentLocalTime());
        std::string error;
        if (!writeDataFile(output, *image, error)) {
            printError(QStringLiteral("haulmetry download: cannot save %1: %2")
                           .arg(QString::fromStdString(printablePath(output)),
                                QString::fromStdString(error)));
            return kExitFailed;
        }
        host.note("saved " + printablePath(output) + " (" +
                  std::to_string(image->stabilityRecordCount) + " stability records, " +
                  std::to_string(loop.ticks()) + " ticks)");
        return kExitOk;
    }
    if (host.timerStopped()) {
        printError(QStringLiteral("haulmetry download: %1")
                       .arg(QString::fromStdString(host.lastMessage())));
        return kExitFailed;
    }
    if (host.gaveUp() || outcome == ecu::LinkTickLoop::Outcome::TimerEnded) {
        printError(QStringLiteral("haulmetry download: no ECU found (tried %1)")
                       .arg(QString::fromStdString(host.portsTried())));
        return kExitFailed;
    }
    printError(QStringLiteral("haulmetry download: the download did not finish"));
    return kExitFailed;
}

}  // namespace

HM_REGISTER_SUBCOMMAND(download,
                       Subcommand{"download", "download the ECU's data and save it as a data file",
                                  false, &runDownload});

}  // namespace hm::cli
