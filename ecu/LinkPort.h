#pragma once
// The transport contract between the ECU link and a serial port: the port table, open, write,
// a receive thread that delivers assembled frames, close. The real implementation is
// SerialLinkPort (SerialPort.h); tests use fakes.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace hm::ecu {

// Why an open failed. AccessDenied, Busy and DeviceError still mark a port as present.
enum class PortOpenError { None, NotFound, AccessDenied, Busy, DeviceError, SetupFailed };

// Receives one complete frame (length byte .. checksum, length + 1 bytes). Called on the
// receive thread, one frame at a time, in arrival order; must not block for long.
using FrameHandler = std::function<void(const uint8_t* frame, size_t length)>;

class ILinkPort {
  public:
    virtual ~ILinkPort() = default;

    // The port table, built once: entries 0..portCount()-1. Window thread.
    virtual int portCount() const = 0;
    virtual int portNumber(int index) const = 0;        // the "COM n" number, 1..255
    virtual std::string portPath(int index) const = 0;  // device path, e.g. /dev/ttyUSB0

    // Opens table entry `index` exclusively with the ECU line settings. Returns false on any
    // failure (lastOpenError() says why); an index out of range fails with NotFound.
    virtual bool OpenPort(int index) = 0;
    virtual PortOpenError lastOpenError() const = 0;
    // errno of the last failed open where the port has one (0 otherwise).
    virtual int lastOpenErrno() const { return 0; }
    // True once the receive thread has seen the open port hang up (adapter unplugged); false
    // where the port cannot tell.
    virtual bool lineHungUp() const { return false; }

    // Starts the receive thread of the open port; it calls `handler` for every frame.
    virtual bool StartReceiveThread(FrameHandler handler) = 0;

    // Writes one complete frame without waiting for the line. False when nothing was written.
    virtual bool WritePort(const uint8_t* bytes, size_t count) = 0;

    // Stops and joins the receive thread, then closes the port. Safe to call when closed.
    // After it returns the handler is never called again.
    virtual void ClosePort() = 0;
};

}  // namespace hm::ecu
