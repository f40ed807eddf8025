#include "app/cli/ConsoleLinkObserver.h"

#include <unistd.h>

#include "ecu/EcuProtocol.h"
#include "ecu/SerialPort.h"
#include "ecu/WireText.h"
#include "platform/FileAccess.h"
#include "resources/Strings.h"

namespace hm::cli {

ConsoleLinkObserver::ConsoleLinkObserver(const ecu::ILinkPort& port, const FleetDataImage& image,
                                         int passes, std::FILE* out)
    : port_(port), image_(image), passes_(passes), out_(out) {
    terminal_ = ::isatty(::fileno(out_)) == 1;
}

std::string ConsoleLinkObserver::portLabel(const ecu::PortEntry& port) const {
    return "COM " + std::to_string(port.number) + " " + ecu::printableText(port.path);
}

void ConsoleLinkObserver::note(const std::string& line) {
    if (barOnLine_) {
        std::fputc('\n', out_);
        barOnLine_ = false;
    }
    std::fprintf(out_, "%s\n", line.c_str());
    std::fflush(out_);
}

void ConsoleLinkObserver::ecuType(const std::string& type, ecu::SupportLevel level) {
    const char* meaning = level == ecu::SupportLevel::FleetAndRecords
                              ? "fleet data and stability records"
                          : level == ecu::SupportLevel::RecordsOnly ? "stability records only"
                                                                    : "not supported";
    note("vehicle: " + printablePath(image_.vehicleIdentString()));
    note("ECU type: " + ecu::printableText(type) + " (support level " +
         std::to_string(static_cast<int>(level)) + ": " + meaning + ")");
}

void ConsoleLinkObserver::probing(const ecu::PortAttempt& port) {
    note("probing " + portLabel(port.port));
}

void ConsoleLinkObserver::portTried(const ecu::PortAttempt& attempt) {
    tried_.insert(attempt.index);
    const std::string label = portLabel(attempt.port);
    switch (attempt.outcome) {
        case ecu::AttemptOutcome::NoAnswer:
        case ecu::AttemptOutcome::HungUp:
            note("no answer on " + label);
            break;
        case ecu::AttemptOutcome::BadFrames:
            note(label + " answered only with frames whose checksum or length was wrong (" +
                 std::to_string(attempt.badFrames) + " frames)");
            break;
        case ecu::AttemptOutcome::OpenFailed:
            note("cannot open " + label + ": " +
                 ecu::describeOpenFailure(attempt.port.path, attempt.openError, attempt.openErrno));
            break;
        case ecu::AttemptOutcome::NoReader:
            note("cannot read from " + label);
            break;
        case ecu::AttemptOutcome::Connected:
            break;
    }
}

void ConsoleLinkObserver::connected(const ecu::PortAttempt& port) {
    connectedPort_ = port.port;
    note("ECU answered on " + portLabel(port.port));
}

void ConsoleLinkObserver::connectionLost(const std::string& request, ecu::LossReason reason) {
    std::string line =
        (reason == ecu::LossReason::HungUp ? "line hung up: connection lost on "
                                           : "no answer in time: connection lost on ") +
        portLabel(connectedPort_);
    if (!request.empty()) {
        line += " (waiting for " + request + ")";
    }
    note(line);
}

void ConsoleLinkObserver::searchFailed(const std::vector<ecu::PortAttempt>&) {
    ++passesDone_;
    if (passesDone_ < passes_) {
        note("no ECU answered in pass " + std::to_string(passesDone_) + " of " +
             std::to_string(passes_) + "; trying again");
        if (link_ != nullptr) {
            link_->retry();
        }
        return;
    }
    gaveUp_ = true;
    if (link_ != nullptr) {
        link_->workOffline();
    }
}

void ConsoleLinkObserver::notice(ecu::LinkNotice notice) {
    if (notice == ecu::LinkNotice::UnsupportedEcu) {
        stopped_ = true;
        lastMessage_ = strCopy(sid::kEcuNotSupported);
    } else {
        lastMessage_ = strCopy(sid::kError);
    }
    note(lastMessage_);
}

void ConsoleLinkObserver::operationStarted(ecu::LinkOperation operation, int total) {
    if (operation == ecu::LinkOperation::ReadBack) {
        return;  // the erase's bar goes on
    }
    total_ = total;
    step_ = 0;
    lastPrintedTenth_ = -1;
    drawProgress();
}

void ConsoleLinkObserver::operationStep(ecu::StepKind) {
    ++step_;
    drawProgress();
}

void ConsoleLinkObserver::endProgress() {
    if (barOnLine_) {
        std::fputc('\n', out_);
        barOnLine_ = false;
    }
    total_ = 0;
    step_ = 0;
}

void ConsoleLinkObserver::drawProgress() {
    if (total_ <= 0) {
        return;
    }
    const int shown = step_ < total_ ? step_ : total_;
    if (terminal_) {
        constexpr int kWidth = 40;
        const int filled = shown * kWidth / total_;
        std::string bar(static_cast<size_t>(filled), '#');
        bar.resize(kWidth, '.');
        std::fprintf(out_, "\r[%s] %d/%d", bar.c_str(), shown, total_);
        std::fflush(out_);
        barOnLine_ = true;
        return;
    }
    const int tenth = shown * 10 / total_;
    if (tenth != lastPrintedTenth_) {
        lastPrintedTenth_ = tenth;
        std::fprintf(out_, "progress %d/%d\n", shown, total_);
        std::fflush(out_);
    }
}

std::string ConsoleLinkObserver::portsTried() const {
    std::string list;
    for (int i : tried_) {
        if (i < port_.portCount()) {
            list += (list.empty() ? "" : ", ") +
                    portLabel({port_.portNumber(i), port_.portPath(i), std::string(), false});
        }
    }
    return list;
}

}  // namespace hm::cli
