#pragma once
// The link trace kept in memory: the last entries written by TracingLinkPort (frames sent and
// received, notes), for a live view in the window and for saving them later.
//
// The slots are made as entries come (a ring that is never used costs nothing), then reused:
// once the ring is full, a push is a short locked copy into the oldest slot, with no allocation
// once the slot's buffer is large enough; no wake-up and no call out unless a listener is set. A
// listener (set while a view is shown) is called on the pushing thread after the first push that
// finds it unarmed; it is armed again by take(), so a burst of frames costs one call. It is called
// under the ring's lock, so it must only post work elsewhere (e.g. a queued call) and never call
// back.
//
// Every entry gets a number (0, 1, 2, ... in push order); the ring holds the newest
// `capacity` of them. Any thread.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace hm::ecu {

enum class TraceDirection { Tx, Rx, Note };

struct TraceEntry {
    int64_t ms = 0;  // milliseconds since the trace started
    TraceDirection direction = TraceDirection::Note;
    std::vector<uint8_t> bytes;  // TX and RX: the frame
    std::string text;            // notes: printable text
};

// One trace line without its newline, as `download --trace` and the window's trace file and
// saved traces write it: "1203 TX 03 1A 90 AD", "1100 -- open COM 1 /dev/ttyUSB0".
std::string formatTraceLine(const TraceEntry& entry);

class TraceRing {
  public:
    static constexpr size_t kDefaultCapacity = 10000;
    explicit TraceRing(size_t capacity = kDefaultCapacity);
    TraceRing(const TraceRing&) = delete;
    TraceRing& operator=(const TraceRing&) = delete;

    // Appends an entry; when full, the oldest one goes.
    void pushFrame(int64_t ms, TraceDirection direction, const uint8_t* bytes, size_t count);
    void pushNote(int64_t ms, std::string_view text);

    // The entries numbered `from` and later that are still held, in order, and in `next` the
    // number the next entry will get. Arms the listener again.
    std::vector<TraceEntry> take(uint64_t from, uint64_t& next);
    // Every entry held, oldest first.
    std::vector<TraceEntry> snapshot() const;
    // Forgets every entry held (numbering goes on).
    void clear();
    size_t size() const;
    size_t capacity() const { return capacity_; }

    // Sets or (with an empty function) removes the listener; armed on setting.
    void setListener(std::function<void()> listener);

  private:
    TraceEntry& nextSlot(int64_t ms, TraceDirection direction);
    void notify();
    std::vector<TraceEntry> copyFrom(uint64_t from) const;

    mutable std::mutex mutex_;
    size_t capacity_;
    std::vector<TraceEntry> slots_;  // slot of entry n: n % capacity_
    uint64_t pushed_ = 0;            // entries ever pushed: the next entry's number
    uint64_t first_ = 0;             // number of the oldest entry held
    std::function<void()> listener_;
    bool armed_ = false;
};

}  // namespace hm::ecu
