#include "ecu/PortAttemptText.h"

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
                       PrintableText(attempt.port.path) + ": " + outcomeText(attempt);
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
