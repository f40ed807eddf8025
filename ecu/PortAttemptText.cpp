#include "ecu/PortAttemptText.h"

#include <algorithm>
#include <utility>

#include "ecu/SerialPort.h"
#include "ecu/WireText.h"

namespace hm::ecu {
namespace {

std::string outcomeText(const PortAttempt& a) {
    switch (a.outcome) {
        case AttemptOutcome::Connected:
            return "the ECU answered";
        case AttemptOutcome::OpenFailed:
            // Listed but missing: most often an adapter unplugged since the table was made.
            if (a.openError == PortOpenError::NotFound) {
                return "no such device (unplugged?)";
            }
            return describeOpenFailure(a.port.path, a.openError, a.openErrno);
        case AttemptOutcome::NoAnswer:
            return "no answer";
        case AttemptOutcome::BadFrames:
            return "no valid answer";
        case AttemptOutcome::HungUp:
            return "the line hung up (adapter unplugged?)";
        case AttemptOutcome::NoReader:
            return "opened, but it could not be read";
    }
    return "no answer";
}

}  // namespace

std::string describePortAttempt(const PortAttempt& attempt) {
    std::string line = "COM " + std::to_string(attempt.port.number) + " " +
                       printableText(attempt.port.path) + ": " + outcomeText(attempt);
    if (attempt.badFrames > 0) {
        line += "; " + std::to_string(attempt.badFrames) +
                (attempt.badFrames == 1 ? " answer" : " answers") +
                " with a bad checksum (wrong baud rate or a noisy line?)";
    }
    return line;
}

std::string describePortAttempts(const std::vector<PortAttempt>& attempts) {
    if (attempts.empty()) {
        return "No serial port was found.";
    }
    std::string text;
    for (const PortAttempt& a : attempts) {
        text += (text.empty() ? "" : "\n") + describePortAttempt(a);
    }
    return text;
}

}  // namespace hm::ecu

namespace hm::ecu {

std::string describeLeftOutPorts(const std::vector<LeftOutPort>& leftOut) {
    constexpr size_t kNamedPerLine = 20;
    // Reasons in the order they first occur, each with its paths.
    std::vector<std::pair<std::string, std::vector<std::string>>> byReason;
    for (const LeftOutPort& port : leftOut) {
        auto at = std::find_if(byReason.begin(), byReason.end(),
                               [&](const auto& r) { return r.first == port.reason; });
        if (at == byReason.end()) {
            at = byReason.insert(byReason.end(), {port.reason, {}});
        }
        at->second.push_back(port.path);
    }
    std::string text;
    for (const auto& [reason, paths] : byReason) {
        std::string line = "Not tried, " + reason + ":";
        for (size_t i = 0; i < paths.size() && i < kNamedPerLine; ++i) {
            line += (i == 0 ? " " : ", ") + printableText(paths[i]);
        }
        if (paths.size() > kNamedPerLine) {
            line += " and " + std::to_string(paths.size() - kNamedPerLine) + " more";
        }
        text += (text.empty() ? "" : "\n") + line;
    }
    return text;
}

}  // namespace hm::ecu
