#pragma once
// One serial device opened for the ECU link (POSIX). Opens exclusively (TIOCEXCL and an
// advisory flock, so a second opener, in this or another program, fails), applies the line
// settings (raw, 9600 baud, 8 data bits, no parity, 1 stop bit, CLOCAL | CREAD, no flow
// control, DTR and RTS off), purges both directions, and writes frames.
//
// Window thread: OpenPort, ConfigurePort, WritePort, ClosePort. The receive thread reads the
// same descriptor concurrently (fd()); WritePort never touches reads.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ecu/LinkPort.h"

namespace hm::ecu {

class SerialPort {
  public:
    SerialPort() = default;
    ~SerialPort() { ClosePort(); }
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Opens and configures `path`. On failure nothing stays open and lastError()/lastErrno()
    // say why: NotFound (no such device), AccessDenied (EACCES/EPERM: the user may need the
    // dialout group), Busy (held by another opener), DeviceError (EIO and similar),
    // SetupFailed (not a terminal, or the line settings were refused).
    bool OpenPort(const std::string& path);

    // Applies the line settings to the open port and clears DTR and RTS. True on success.
    bool ConfigurePort();

    // Writes the whole frame; waits (poll) only while the output queue is full, at most
    // 1000 ms + 2 ms per byte. True when every byte was handed to the driver.
    bool WritePort(const uint8_t* bytes, size_t count);

    // Closes the port (releases the exclusive mode first). Safe when not open.
    void ClosePort();

    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    PortOpenError lastError() const { return lastError_; }
    int lastErrno() const { return lastErrno_; }

  private:
    void fail(PortOpenError error, int err);

    int fd_ = -1;
    PortOpenError lastError_ = PortOpenError::None;
    int lastErrno_ = 0;
};

// Maps an errno of open() or of the exclusive lock to the reason reported to the window.
PortOpenError mapOpenErrno(int err);

// A short English description of an open failure, for logs and the command line.
std::string describeOpenError(PortOpenError error);

// The group that owns the device node `path` (the group a user joins for access, "dialout" on
// Debian); empty when unknown or root's.
std::string deviceGroupName(const std::string& path);

// The reason an open of `path` failed, in words a user can act on: "no such device",
// "permission denied: join the group 'dialout' (...)" (the device's group), "busy: in use by
// minicom (pid 4242)" (the holders found in /proc, else "another program"), "not a terminal",
// "device not functioning", or the line settings refused with the system's reason. `err` is the
// errno of the failure (0 when unknown).
std::string describeOpenFailure(const std::string& path, PortOpenError error, int err);

}  // namespace hm::ecu
