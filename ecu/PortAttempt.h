#pragma once
// How one port of the table fared in a pass over the ports, and the line that says so in the
// details of the "failed to connect" question: which port, and what the user can do about it.
#include <string>
#include <vector>

#include "ecu/LinkPort.h"

namespace hm::ecu {

struct PortAttempt {
    enum class Outcome {
        Answered,    // the ECU answered the link probe
        OpenFailed,  // the open was refused: openError and openErrno say why
        NoAnswer,    // open, but neither probe was answered
        HungUp,      // the line hung up while it was probed (adapter unplugged, far end closed)
        Vanished,    // the device went away between the table and the open
    };

    int number = 0;    // the "COM n" number
    std::string path;  // the device path of the table entry
    Outcome outcome = Outcome::NoAnswer;
    PortOpenError openError = PortOpenError::None;
    int openErrno = 0;
    int badFrames = 0;  // frames received with a bad checksum or length
};

// "COM 2 /dev/ttyUSB0: busy: in use by minicom (pid 4242)". Open failures are worded by
// describeOpenFailure (the group to join, the holder); frames with a bad checksum are counted
// (they point at a wrong baud rate or a noisy line rather than at no ECU). Paths are made
// printable.
std::string describePortAttempt(const PortAttempt& attempt);

// One line per attempt, in order, for a details area; "No serial port was found." for none.
std::string describePortAttempts(const std::vector<PortAttempt>& attempts);

}  // namespace hm::ecu
