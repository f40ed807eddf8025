// `haulmetry download`: finds the ECU on the given ports (or on every port of the table), runs
// the same state machine and protocol as the window with a real 100 ms tick, and saves the
// downloaded image as a data file.
//
// It always ends: after the passes over the ports, after --max-failures refusals or time-outs
// in a row that bring the download no further, after --timeout seconds, or on SIGINT, SIGTERM
// or SIGHUP (the session is ended with StopSession first). A data file is written only after a
// complete download.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCommandLineParser>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>

#include "app/cli/ConsoleLinkObserver.h"
#include "app/cli/DataFileArgs.h"
#include "app/cli/Subcommand.h"
#include "ecu/EcuLink.h"
#include "ecu/LinkTickLoop.h"
#include "ecu/PortTable.h"
#include "ecu/SecurityKey.h"
#include "ecu/SerialLinkPort.h"
#include "ecu/TracingLinkPort.h"
#include "ecu/WireText.h"
#include "fleetdata/DataFile.h"
#include "fleetdata/DataFileController.h"
#include "fleetdata/FileAccess.h"
#include "fleetdata/LocalTime.h"

namespace hm::cli {
namespace {

// Exit statuses; a signal gives 128 + its number (SIGHUP 129, SIGINT 130, SIGTERM 143).
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

constexpr int kDefaultMaxFailures = 5;

// Signals reach the download through a self-pipe: the handler only writes the signal number,
// the tick loop reads it between ticks.
int signalPipe[2] = {-1, -1};

void onSignal(int signalNumber) {
    const int saved = errno;
    const char number = static_cast<char>(signalNumber);
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &number, 1);
    errno = saved;
}

// Catches SIGINT, SIGTERM and SIGHUP for its lifetime and restores the old handlers after.
class SignalCatcher {
  public:
    SignalCatcher() {
        if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
            signalPipe[0] = signalPipe[1] = -1;
            return;
        }
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        for (size_t i = 0; i < kSignals.size(); ++i) {
            sigaction(kSignals[i], &action, &previous_[i]);
        }
    }
    ~SignalCatcher() {
        if (signalPipe[0] < 0) {
            return;
        }
        for (size_t i = 0; i < kSignals.size(); ++i) {
            sigaction(kSignals[i], &previous_[i], nullptr);
        }
        ::close(signalPipe[0]);
        ::close(signalPipe[1]);
        signalPipe[0] = signalPipe[1] = -1;
    }
    SignalCatcher(const SignalCatcher&) = delete;
    SignalCatcher& operator=(const SignalCatcher&) = delete;

    // The next signal caught, if any.
    std::optional<int> take() {
        char number = 0;
        if (signalPipe[0] >= 0 && ::read(signalPipe[0], &number, 1) == 1) {
            return static_cast<int>(number);
        }
        return std::nullopt;
    }

  private:
    static constexpr std::array<int, 3> kSignals{SIGINT, SIGTERM, SIGHUP};
    std::array<struct sigaction, 3> previous_{};
};

const char* signalName(int signalNumber) {
    switch (signalNumber) {
        case SIGINT:
            return "SIGINT";
        case SIGTERM:
            return "SIGTERM";
        case SIGHUP:
            return "SIGHUP";
        default:
            return "signal";
    }
}

// Empty when the folder of `output` exists and we may create files in it, else why not.
std::string outputFolderProblem(const std::string& output) {
    const size_t slash = output.find_last_of('/');
    const std::string folder = slash == std::string::npos
                                   ? std::string(".")
                                   : (slash == 0 ? "/" : output.substr(0, slash));
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) {
        return "the folder " + folder + " does not exist";
    }
    if (!S_ISDIR(st.st_mode)) {
        return folder + " is not a folder";
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        return "the folder " + folder + " is not writable";
    }
    return {};
}

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
    const QCommandLineOption failuresOption(
        QStringLiteral("max-failures"),
        QStringLiteral("Give up after N refusals or time-outs in a row that bring the download no "
                       "further (default 5)."),
        QStringLiteral("N"), QString::number(kDefaultMaxFailures));
    const QCommandLineOption timeoutOption(
        QStringLiteral("timeout"),
        QStringLiteral(
            "Give up when the whole command has run SECONDS seconds (default: no limit)."),
        QStringLiteral("SECONDS"));
    parser.addOptions({portOption, outputOption, passesOption, keyOption, traceOption,
                       failuresOption, timeoutOption});

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
    bool failuresOk = false;
    const int maxFailures = parser.value(failuresOption).toInt(&failuresOk);
    if (!failuresOk || maxFailures < 1 || maxFailures > 1000) {
        printError(
            QStringLiteral("haulmetry download: --max-failures needs a number from 1 to 1000"));
        return kExitUsage;
    }
    std::chrono::milliseconds limit = std::chrono::hours(24 * 365);
    if (parser.isSet(timeoutOption)) {
        bool timeoutOk = false;
        const int seconds = parser.value(timeoutOption).toInt(&timeoutOk);
        if (!timeoutOk || seconds < 1 || seconds > 86400) {
            printError(
                QStringLiteral("haulmetry download: --timeout needs seconds from 1 to 86400"));
            return kExitUsage;
        }
        limit = std::chrono::seconds(seconds);
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
    if (const std::string problem = outputFolderProblem(output); !problem.empty()) {
        printError(QStringLiteral("haulmetry download: cannot save %1: %2")
                       .arg(QString::fromStdString(printablePath(output)),
                            QString::fromStdString(ecu::PrintableText(problem))));
        return kExitFailed;
    }
    // A progress line into a closed pipe must not end the download.
    ::signal(SIGPIPE, SIG_IGN);
    SignalCatcher caughtSignals;

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
    if (!serial.notUsed().empty()) {
        std::string list;
        for (const std::string& path : serial.notUsed()) {
            list += (list.empty() ? "" : ", ") + ecu::PrintableText(path);
        }
        printError(QStringLiteral("haulmetry download: only %1 ports can be used; not used: %2")
                       .arg(ecu::kMaxPorts)
                       .arg(QString::fromStdString(list)));
    }
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
    ConsoleLinkObserver host(port, *image, passes);
    ecu::EcuLink link(port, host, *image, keys);
    host.setLink(&link);
    if (tracer) {
        tracer->traceDrops(link);
    }

    using Clock = std::chrono::steady_clock;
    int caught = 0;              // the signal being served
    bool leaveNow = false;       // stop without waiting (no session, or a second signal)
    bool stuck = false;          // too many failures without progress
    Clock::time_point stopBy{};  // end of the wait for the StopSession answer
    const auto finished = [&] {
        while (const auto number = caughtSignals.take()) {
            if (caught != 0) {
                leaveNow = true;  // a second signal: no more waiting
                break;
            }
            caught = *number;
            host.note(std::string("interrupted by ") + signalName(caught) +
                      ": ending the ECU session");
            if (tracer) {
                tracer->note(std::string(signalName(caught)) + ": queued requests dropped");
            }
            if (link.CancelForShutdown()) {
                leaveNow = true;  // no session to end
                break;
            }
            // The answer in flight, then StopSession's own: two response times at most.
            stopBy =
                Clock::now() + 2 * (ecu::kResponseTickLimit + 1) * std::chrono::milliseconds(100);
        }
        if (caught != 0) {
            return leaveNow || host.sessionClosed() || !link.linked() || Clock::now() >= stopBy;
        }
        if (link.failuresWithoutProgress() >= maxFailures) {
            stuck = true;
            return true;
        }
        return host.downloaded() || host.stopped() || host.gaveUp();
    };
    ecu::LinkTickLoop loop(link);
    const auto outcome = loop.run(finished, limit);

    const auto reportDrops = [&] {
        if (link.droppedFrames() > 0) {
            host.note(std::to_string(link.droppedFrames()) + " frames dropped: " +
                      std::to_string(link.badFrames()) + " with a bad checksum or length, " +
                      std::to_string(link.droppedFrames() - link.badFrames()) +
                      " answering no outstanding request");
        }
    };
    if (caught != 0) {
        host.note(std::string("interrupted by ") + signalName(caught) + "; nothing saved");
        return 128 + caught;  // the link's destructor ends the connection and frees the port
    }
    reportDrops();
    if (stuck) {
        printError(QStringLiteral("haulmetry download: the ECU gave no valid answer to %1 (%2 "
                                  "refusals or time-outs in a row without progress; last: %3)")
                       .arg(QString::fromStdString(link.lastFailedRequest()))
                       .arg(link.failuresWithoutProgress())
                       .arg(QString::fromStdString(link.lastFailure())));
        return kExitFailed;
    }
    if (outcome == ecu::LinkTickLoop::Outcome::TimeLimit && !host.downloaded()) {
        const std::string waiting = link.outstandingRequest();
        printError(QStringLiteral("haulmetry download: no complete download within %1 s%2")
                       .arg(parser.value(timeoutOption))
                       .arg(waiting.empty() ? QString()
                                            : QStringLiteral(" (waiting for %1)")
                                                  .arg(QString::fromStdString(waiting))));
        return kExitFailed;
    }
    if (host.downloaded()) {
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
    if (host.stopped()) {
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
