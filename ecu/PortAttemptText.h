#pragma once
// The line that says how one port fared in a search pass, for the details of the "failed to
// connect" question: which port, and what the user can do about it.
#include <string>
#include <vector>

#include "ecu/LinkEvents.h"
#include "ecu/PortTable.h"

namespace hm::ecu {

// "COM 2 /dev/ttyUSB0: busy: in use by minicom (pid 4242)". Open failures are worded by
// describeOpenFailure (the group to join, the holder), a missing device as possibly unplugged;
// frames with a bad checksum are counted (they point at a wrong
// baud rate or a noisy line rather than at no ECU). Paths are made printable.
std::string describePortAttempt(const PortAttempt& attempt);

// One line per attempt, in order, for a details area; "No serial port was found." for none.
std::string describePortAttempts(const std::vector<PortAttempt>& attempts);

// One line per reason for the devices the scan left out, for the same details area:
// "Not tried, no UART behind the name (...): /dev/ttyS2, /dev/ttyS3". At most 20 paths are named
// per line, then how many more. "" for none. Paths are made printable.
std::string describeLeftOutPorts(const std::vector<LeftOutPort>& leftOut);

}  // namespace hm::ecu
