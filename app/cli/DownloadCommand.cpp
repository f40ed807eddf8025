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

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>

#include "app/TraceFile.h"
#include "app/cli/ConsoleLinkObserver.h"
#include "app/cli/DataFileArgs.h"
#include "app/cli/DownloadArguments.h"
#include "app/cli/Subcommand.h"
#include "ecu/EcuLink.h"
#include "ecu/LinkTickLoop.h"
#include "ecu/PortTable.h"
#include "ecu/SecurityKey.h"
#include "ecu/SerialLinkPort.h"
#include "ecu/TracingLinkPort.h"
#include "ecu/WireText.h"
#include "fleetdata/DataFile.h"
#include "platform/FileAccess.h"
#include "platform/LocalTime.h"

namespace hm::cli {
namespace {

// Exit statuses; a signal gives 128 + its number (SIGHUP 129, SIGINT 130, SIGTERM 143).
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// Signals reach the download through a self-pipe: the handler only writes the signal number,
// the tick loop reads it between ticks.
int g_signalPipe[2] = {-1, -1};

void onSignal(int signalNumber) {
    const int saved = errno;
    const char number = static_cast<char>(signalNumber);
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &number, 1);
    errno = saved;
}

// Catches SIGINT, SIGTERM and SIGHUP for its lifetime and restores the old handlers after.
class SignalCatcher {
  public:
    SignalCatcher() {
        if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
            g_signalPipe[0] = g_signalPipe[1] = -1;
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
        if (g_signalPipe[0] < 0) {
            return;
        }
        for (size_t i = 0; i < kSignals.size(); ++i) {
            sigaction(kSignals[i], &previous_[i], nullptr);
        }
        ::close(g_signalPipe[0]);
        ::close(g_signalPipe[1]);
        g_signalPipe[0] = g_signalPipe[1] = -1;
    }
    SignalCatcher(const SignalCatcher&) = delete;
    SignalCatcher& operator=(const SignalCatcher&) = delete;

    // The next signal caught, if any.
    std::optional<int> take() {
        char number = 0;
        if (g_signalPipe[0] >= 0 && ::read(g_signalPipe[0], &number, 1) == 1) {
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

// The serial ports to try: the --port paths, else every port of the table (and
// HAULMETRY_PORTS). Says which paths the table could not take.
std::unique_ptr<ecu::SerialLinkPort> openPortTable(const DownloadOptions& options) {
    ecu::PortScanConfig scan;
    if (!options.ports.empty()) {
        scan.scanDevices = false;
        scan.extraPaths = options.ports;
    } else {
        scan.extraPaths = ecu::portsFromEnvironment();
    }
    auto serial = std::make_unique<ecu::SerialLinkPort>(scan);
    if (!serial->notUsed().empty()) {
        std::string list;
        for (const std::string& path : serial->notUsed()) {
            list += (list.empty() ? "" : ", ") + ecu::printableText(path);
        }
        printError(QCoreApplication::translate(
                       "hm::cli", "haulmetry download: only %1 ports can be used; not used: %2")
                       .arg(ecu::kMaxPorts)
                       .arg(QString::fromStdString(list)));
    }
    return serial;
}

std::unique_ptr<FleetDataImage> clearedImage() {
    auto image = std::make_unique<FleetDataImage>();
    image->clear();
    return image;
}

// One download: the link on a port, the tick loop, and how it ended.
class DownloadRun {
  public:
    DownloadRun(ecu::ILinkPort& port, ecu::TracingLinkPort* tracer, const DownloadOptions& options)
        : options_(options),
          tracer_(tracer),
          image_(clearedImage()),
          host_(port, *image_, options.passes),
          link_(port, host_, *image_, options.keys) {
        host_.setLink(&link_);
        if (tracer_) {
            tracer_->traceDrops(link_);
        }
    }

    // Ticks until the download is complete, the link gives up, a signal ends the session or
    // the time limit is reached; then says what happened and returns the exit status.
    int run(SignalCatcher& catcher) {
        const std::chrono::milliseconds limit = options_.timeoutSeconds
                                                    ? std::chrono::seconds(*options_.timeoutSeconds)
                                                    : std::chrono::hours(24 * 365);
        ecu::LinkTickLoop loop(link_);
        const auto outcome = loop.run([&] { return finished(catcher); }, limit);
        return report(outcome, loop.ticks());
    }

  private:
    using Clock = std::chrono::steady_clock;

    // The tick loop's stop condition, checked after every tick.
    bool finished(SignalCatcher& catcher) {
        serveSignals(catcher);
        if (caught_ != 0) {
            return leaveNow_ || host_.sessionClosed() || !link_.linked() || Clock::now() >= stopBy_;
        }
        if (link_.failuresWithoutProgress() >= options_.maxFailures) {
            stuck_ = true;
            return true;
        }
        return host_.downloaded() || host_.stopped() || host_.gaveUp();
    }

    // A first signal ends the ECU session; a second one leaves without waiting.
    void serveSignals(SignalCatcher& catcher) {
        while (const auto number = catcher.take()) {
            if (caught_ != 0) {
                leaveNow_ = true;
                return;
            }
            caught_ = *number;
            host_.note(std::string("interrupted by ") + signalName(caught_) +
                       ": ending the ECU session");
            if (tracer_) {
                tracer_->note(std::string(signalName(caught_)) + ": queued requests dropped");
            }
            if (link_.cancelForShutdown()) {
                leaveNow_ = true;  // no session to end
                return;
            }
            // The answer in flight, then StopSession's own: two response times at most.
            stopBy_ =
                Clock::now() + 2 * (ecu::kResponseTickLimit + 1) * std::chrono::milliseconds(100);
        }
    }

    int report(ecu::LinkTickLoop::Outcome outcome, int ticks) {
        if (caught_ != 0) {
            host_.note(std::string("interrupted by ") + signalName(caught_) + "; nothing saved");
            return 128 + caught_;  // the link's destructor ends the connection, frees the port
        }
        reportDrops();
        if (stuck_) {
            printError(QCoreApplication::translate(
                           "hm::cli",
                           "haulmetry download: the ECU gave no valid answer to %1 (%2 "
                           "refusals or time-outs in a row without progress; last: %3)")
                           .arg(QString::fromStdString(link_.lastFailedRequest()))
                           .arg(link_.failuresWithoutProgress())
                           .arg(QString::fromStdString(link_.lastFailure())));
            return kExitFailed;
        }
        if (host_.downloaded()) {
            return save(ticks);
        }
        if (outcome == ecu::LinkTickLoop::Outcome::TimeLimit) {
            const std::string waiting = link_.outstandingRequest();
            printError(QCoreApplication::translate(
                           "hm::cli", "haulmetry download: no complete download within %1 s%2")
                           .arg(*options_.timeoutSeconds)
                           .arg(waiting.empty()
                                    ? QString()
                                    : QCoreApplication::translate("hm::cli", " (waiting for %1)")
                                          .arg(QString::fromStdString(waiting))));
            return kExitFailed;
        }
        if (host_.stopped()) {
            printError(QCoreApplication::translate("hm::cli", "haulmetry download: %1")
                           .arg(QString::fromStdString(host_.lastMessage())));
            return kExitFailed;
        }
        if (host_.gaveUp() || outcome == ecu::LinkTickLoop::Outcome::TimerEnded) {
            printError(QCoreApplication::translate("hm::cli",
                                                   "haulmetry download: no ECU found (tried %1)")
                           .arg(QString::fromStdString(host_.portsTried())));
            return kExitFailed;
        }
        printError(QCoreApplication::translate("hm::cli",
                                               "haulmetry download: the download did not finish"));
        return kExitFailed;
    }

    void reportDrops() {
        if (link_.droppedFrames() > 0) {
            host_.note(std::to_string(link_.droppedFrames()) + " frames dropped: " +
                       std::to_string(link_.badFrames()) + " with a bad checksum or length, " +
                       std::to_string(link_.droppedFrames() - link_.badFrames()) +
                       " answering no outstanding request");
        }
    }

    int save(int ticks) {
        stampSavedImage(*image_, currentLocalTime());
        std::string error;
        if (!writeDataFile(options_.output, *image_, error)) {
            printError(
                QCoreApplication::translate("hm::cli", "haulmetry download: cannot save %1: %2")
                    .arg(QString::fromStdString(printablePath(options_.output)),
                         QString::fromStdString(error)));
            return kExitFailed;
        }
        host_.note("saved " + printablePath(options_.output) + " (" +
                   std::to_string(image_->stabilityRecordCount) + " stability records, " +
                   std::to_string(ticks) + " ticks)");
        return kExitOk;
    }

    const DownloadOptions& options_;
    ecu::TracingLinkPort* tracer_;
    std::unique_ptr<FleetDataImage> image_;
    ConsoleLinkObserver host_;
    ecu::EcuLink link_;
    int caught_ = 0;              // the signal being served
    bool leaveNow_ = false;       // stop without waiting (no session, or a second signal)
    bool stuck_ = false;          // too many failures without progress
    Clock::time_point stopBy_{};  // end of the wait for the StopSession answer
};

// Opens the ports and the trace file, downloads and saves; the exit status.
int download(const DownloadOptions& options) {
    if (const std::string problem = outputFolderProblem(options.output); !problem.empty()) {
        printError(QCoreApplication::translate("hm::cli", "haulmetry download: cannot save %1: %2")
                       .arg(QString::fromStdString(printablePath(options.output)),
                            QString::fromStdString(ecu::printableText(problem))));
        return kExitFailed;
    }
    // A progress line into a closed pipe must not end the download.
    ::signal(SIGPIPE, SIG_IGN);
    SignalCatcher caughtSignals;

    const std::unique_ptr<ecu::SerialLinkPort> serial = openPortTable(options);
    if (serial->portCount() == 0) {
        printError(QCoreApplication::translate(
            "hm::cli", "haulmetry download: no ECU found (no serial port to try)"));
        return kExitFailed;
    }
    TraceFile traceFile;
    std::unique_ptr<ecu::TracingLinkPort> tracer;
    if (options.tracePath) {
        std::string reason;
        if (!traceFile.open(*options.tracePath, reason)) {
            printError(
                QCoreApplication::translate(
                    "hm::cli", "haulmetry download: cannot write the trace file %1: %2")
                    .arg(displayPath(options.traceArgument), QString::fromStdString(reason)));
            return kExitFailed;
        }
        tracer = std::make_unique<ecu::TracingLinkPort>(*serial, traceFile.stream());
    }
    ecu::ILinkPort& port = tracer ? static_cast<ecu::ILinkPort&>(*tracer) : *serial;
    DownloadRun run(port, tracer.get(), options);
    return run.run(caughtSignals);
}

}  // namespace

int runDownload(const QStringList& args) {
    const DownloadArguments parsed = parseDownloadArguments(args);
    switch (parsed.action) {
        case DownloadArguments::Action::Help:
            printOut(parsed.message);
            return kExitOk;
        case DownloadArguments::Action::UsageError:
            printError(QCoreApplication::translate("hm::cli", "haulmetry download: ") +
                       parsed.message);
            return kExitUsage;
        case DownloadArguments::Action::Run:
            break;
    }
    return download(parsed.options);
}

}  // namespace hm::cli
