#include "ecu/PortAttempt.h"

#include "ecu/SerialPort.h"
#include "ecu/WireText.h"

namespace hm::ecu {
namespace {

std::string outcomeText(const PortAttempt& a) {
    switch (a.outcome) {
        case PortAttempt::Outcome::Answered:
            return "the ECU answered";
        case PortAttempt::Outcome::OpenFailed:
            return describeOpenFailure(a.path, a.openError, a.openErrno);
        case PortAttempt::Outcome::NoAnswer:
            return "no answer";
        case PortAttempt::Outcome::HungUp:
            return "the line hung up (adapter unplugged?)";
        case PortAttempt::Outcome::Vanished:
            return "the device is gone (unplugged)";
    }
    return "no answer";
}

}  // namespace

std::string describePortAttempt(const PortAttempt& attempt) {
    std::string line = "COM " + std::to_string(attempt.number) + " " + PrintableText(attempt.path) +
                       ": " + outcomeText(attempt);
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
