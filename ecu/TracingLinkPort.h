#pragma once
// An ILinkPort that passes everything to another port and writes one line per event to a
// trace stream: milliseconds since the trace started, the direction and the bytes in hex.
//
//   1203 TX 03 1A 90 AD
//   1241 RX 14 5A 90 31 48 ...
//   1100 -- open COM 1 /dev/ttyUSB0
//   1310 -- dropped (no request outstanding): 14 61 39 00 ...
//
// Lines from the window thread (TX, open, close) and the receive thread (RX) are serialised
// by a lock. The inner port and the stream must outlive this object.
#include <chrono>
#include <mutex>
#include <ostream>
#include <string>

#include "ecu/LinkPort.h"

namespace hm::ecu {

class TracingLinkPort : public ILinkPort {
  public:
    TracingLinkPort(ILinkPort& inner, std::ostream& out);

    int portCount() const override { return inner_.portCount(); }
    int portNumber(int index) const override { return inner_.portNumber(index); }
    std::string portPath(int index) const override { return inner_.portPath(index); }
    bool OpenPort(int index) override;
    PortOpenError lastOpenError() const override { return inner_.lastOpenError(); }
    int lastOpenErrno() const override { return inner_.lastOpenErrno(); }
    bool lineHungUp() const override { return inner_.lineHungUp(); }
    bool StartReceiveThread(FrameHandler handler) override;
    bool WritePort(const uint8_t* bytes, size_t count) override;
    void ClosePort() override;

    // A line of its own ("-- text"), e.g. a dropped frame or a signal; bytes outside
    // printable ASCII are escaped. Any thread.
    void note(const std::string& text);

  private:
    void line(const char* direction, const std::string& text);
    void frameLine(const char* direction, const uint8_t* bytes, size_t count);

    ILinkPort& inner_;
    std::ostream& out_;
    std::mutex mutex_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    bool open_ = false;
};

}  // namespace hm::ecu
