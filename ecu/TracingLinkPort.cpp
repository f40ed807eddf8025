#include "ecu/TracingLinkPort.h"

#include "ecu/EcuLink.h"
#include "ecu/WireText.h"

namespace hm::ecu {

TracingLinkPort::TracingLinkPort(ILinkPort& inner, std::ostream* out, TraceRing* ring)
    : inner_(inner), out_(out), ring_(ring) {}

bool TracingLinkPort::OpenPort(int index) {
    const bool ok = inner_.OpenPort(index);
    std::string text = (ok ? "open COM " : "open failed COM ") +
                       std::to_string(inner_.portNumber(index)) + " " +
                       printableText(inner_.portPath(index));
    noteLine(std::move(text));
    open_ = ok;
    return ok;
}

bool TracingLinkPort::StartReceiveThread(FrameHandler handler) {
    return inner_.StartReceiveThread(
        [this, handler = std::move(handler)](const uint8_t* frame, size_t length) {
            frameLine(TraceDirection::Rx, frame, length);
            handler(frame, length);
        });
}

bool TracingLinkPort::WritePort(const uint8_t* bytes, size_t count) {
    // Logged before the write so that a fast answer cannot appear above its request.
    frameLine(TraceDirection::Tx, bytes, count);
    const bool ok = inner_.WritePort(bytes, count);
    if (!ok) {
        noteLine("write failed");
    }
    return ok;
}

void TracingLinkPort::ClosePort() {
    inner_.ClosePort();
    if (open_) {
        noteLine("close");
        open_ = false;
    }
}

void TracingLinkPort::note(const std::string& text) {
    noteLine(printableText(text));
}

void TracingLinkPort::traceDrops(EcuLink& link) {
    link.setDropObserver([this](EcuLink::DropReason reason, const uint8_t* frame, size_t length) {
        note(std::string("dropped (") + EcuLink::dropReasonText(reason) +
             "): " + hexBytes(frame, length));
    });
}

int64_t TracingLinkPort::elapsedMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start_)
        .count();
}

// The time is taken under the lock, so the entries' times never go backwards.
void TracingLinkPort::frameLine(TraceDirection direction, const uint8_t* bytes, size_t count) {
    std::lock_guard lock(mutex_);
    const int64_t ms = elapsedMs();
    if (ring_ != nullptr) {
        ring_->pushFrame(ms, direction, bytes, count);
    }
    if (out_ != nullptr) {
        writeLine(TraceEntry{ms, direction, std::vector<uint8_t>(bytes, bytes + count), {}});
    }
}

void TracingLinkPort::noteLine(std::string printable) {
    std::lock_guard lock(mutex_);
    const int64_t ms = elapsedMs();
    if (ring_ != nullptr) {
        ring_->pushNote(ms, printable);
    }
    if (out_ != nullptr) {
        writeLine(TraceEntry{ms, TraceDirection::Note, {}, std::move(printable)});
    }
}

void TracingLinkPort::writeLine(const TraceEntry& entry) {
    *out_ << formatTraceLine(entry) << '\n';
    out_->flush();
}

}  // namespace hm::ecu
