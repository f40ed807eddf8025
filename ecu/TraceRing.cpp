#include "ecu/TraceRing.h"

#include <algorithm>

#include "ecu/WireText.h"

namespace hm::ecu {

std::string formatTraceLine(const TraceEntry& entry) {
    const char* direction = entry.direction == TraceDirection::Tx   ? "TX"
                            : entry.direction == TraceDirection::Rx ? "RX"
                                                                    : "--";
    std::string line = std::to_string(entry.ms) + ' ' + direction + ' ';
    line += entry.direction == TraceDirection::Note
                ? entry.text
                : hexBytes(entry.bytes.data(), entry.bytes.size());
    return line;
}

TraceRing::TraceRing(size_t capacity) : capacity_(std::max<size_t>(capacity, 1)) {}

TraceEntry& TraceRing::nextSlot(int64_t ms, TraceDirection direction) {
    // Until the ring is full, entry n is the slot made now at index n.
    if (slots_.size() < capacity_) {
        slots_.emplace_back();
    }
    TraceEntry& slot = slots_[pushed_ % capacity_];
    ++pushed_;
    first_ = std::max(first_, pushed_ > capacity_ ? pushed_ - capacity_ : 0);
    slot.ms = ms;
    slot.direction = direction;
    return slot;
}

void TraceRing::notify() {
    if (armed_ && listener_) {
        armed_ = false;
        listener_();
    }
}

void TraceRing::pushFrame(int64_t ms, TraceDirection direction, const uint8_t* bytes,
                          size_t count) {
    std::lock_guard lock(mutex_);
    TraceEntry& slot = nextSlot(ms, direction);
    slot.bytes.assign(bytes, bytes + count);  // keeps the slot's buffer
    slot.text.clear();
    notify();
}

void TraceRing::pushNote(int64_t ms, std::string_view text) {
    std::lock_guard lock(mutex_);
    TraceEntry& slot = nextSlot(ms, TraceDirection::Note);
    slot.bytes.clear();
    slot.text.assign(text);
    notify();
}

std::vector<TraceEntry> TraceRing::copyFrom(uint64_t from) const {
    std::vector<TraceEntry> out;
    const uint64_t start = std::max(from, first_);
    if (start < pushed_) {
        out.reserve(static_cast<size_t>(pushed_ - start));
    }
    for (uint64_t n = start; n < pushed_; ++n) {
        out.push_back(slots_[n % capacity_]);
    }
    return out;
}

std::vector<TraceEntry> TraceRing::take(uint64_t from, uint64_t& next) {
    std::lock_guard lock(mutex_);
    armed_ = true;
    next = pushed_;
    return copyFrom(from);
}

std::vector<TraceEntry> TraceRing::snapshot() const {
    std::lock_guard lock(mutex_);
    return copyFrom(0);
}

void TraceRing::clear() {
    std::lock_guard lock(mutex_);
    first_ = pushed_;
}

size_t TraceRing::size() const {
    std::lock_guard lock(mutex_);
    return static_cast<size_t>(pushed_ - first_);
}

void TraceRing::setListener(std::function<void()> listener) {
    std::lock_guard lock(mutex_);
    listener_ = std::move(listener);
    armed_ = true;
}

}  // namespace hm::ecu
