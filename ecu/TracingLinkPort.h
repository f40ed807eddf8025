#pragma once
// An ILinkPort that passes everything to another port and records one entry per event:
// milliseconds since the trace started, the direction and the bytes in hex, as a line of a trace
// stream (a trace file) and/or an entry of a TraceRing (the window's live view), both with the
// same time and in the same order.
//
//   1203 TX 03 1A 90 AD
//   1241 RX 14 5A 90 31 48 ...
//   1100 -- open COM 1 /dev/ttyUSB0
//   1310 -- dropped (no request outstanding): 14 61 39 00 ...
//
// Entries from the window thread (TX, open, close) and the receive thread (RX) are serialised
// by a lock. The inner port, the stream and the ring must outlive this object.
#include <chrono>
#include <mutex>
#include <ostream>
#include <string>

#include "ecu/LinkPort.h"
#include "ecu/TraceRing.h"

namespace hm::ecu {

class EcuLink;

class TracingLinkPort : public ILinkPort {
  public:
    TracingLinkPort(ILinkPort& inner, std::ostream& out) : TracingLinkPort(inner, &out, nullptr) {}
    // `out` and `ring` may each be null.
    TracingLinkPort(ILinkPort& inner, std::ostream* out, TraceRing* ring);

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
    // Notes every frame that `link` drops, with the reason and the bytes in hex (sets the link's
    // drop observer; `link` must not outlive this object).
    void traceDrops(EcuLink& link);

  private:
    void noteLine(std::string printable);
    void frameLine(TraceDirection direction, const uint8_t* bytes, size_t count);
    int64_t elapsedMs() const;
    void writeLine(const TraceEntry& entry);

    ILinkPort& inner_;
    std::ostream* out_;
    TraceRing* ring_;
    std::mutex mutex_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    bool open_ = false;
};

}  // namespace hm::ecu
