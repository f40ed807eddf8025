#include "ecu/TracingLinkPort.h"

#include "ecu/WireText.h"

namespace hm::ecu {

TracingLinkPort::TracingLinkPort(ILinkPort& inner, std::ostream& out) : inner_(inner), out_(out) {}

bool TracingLinkPort::OpenPort(int index) {
    const bool ok = inner_.OpenPort(index);
    std::string text = (ok ? "open COM " : "open failed COM ") +
                       std::to_string(inner_.portNumber(index)) + " " +
                       PrintableText(inner_.portPath(index));
    line("--", text);
    open_ = ok;
    return ok;
}

bool TracingLinkPort::StartReceiveThread(FrameHandler handler) {
    return inner_.StartReceiveThread(
        [this, handler = std::move(handler)](const uint8_t* frame, size_t length) {
            frameLine("RX", frame, length);
            handler(frame, length);
        });
}

bool TracingLinkPort::WritePort(const uint8_t* bytes, size_t count) {
    // Logged before the write so that a fast answer cannot appear above its request.
    frameLine("TX", bytes, count);
    const bool ok = inner_.WritePort(bytes, count);
    if (!ok) {
        line("--", "write failed");
    }
    return ok;
}

void TracingLinkPort::ClosePort() {
    inner_.ClosePort();
    if (open_) {
        line("--", "close");
        open_ = false;
    }
}

void TracingLinkPort::frameLine(const char* direction, const uint8_t* bytes, size_t count) {
    line(direction, HexBytes(bytes, count));
}

void TracingLinkPort::note(const std::string& text) {
    line("--", PrintableText(text));
}

void TracingLinkPort::line(const char* direction, const std::string& text) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start_)
                        .count();
    std::lock_guard lock(mutex_);
    out_ << ms << ' ' << direction << ' ' << text << '\n';
    out_.flush();
}

}  // namespace hm::ecu
