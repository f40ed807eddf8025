#pragma once
// Frame assembly for the ECU link: turns received chunks of bytes into complete frames
// (length byte L >= 2, L - 1 further bytes, checksum; L + 1 bytes in all).
//
// Every complete frame is delivered, in arrival order, however the bytes are chunked: a frame
// split over several chunks, several frames in one chunk, or a frame followed by the start of
// the next. A length byte below 2 cannot start a frame and is dropped, so the assembler
// resynchronises on the next byte. Checksum and service byte are not examined here.
//
// Not thread-safe: one assembler belongs to one receive thread.
#include <array>
#include <cstddef>
#include <cstdint>

#include "ecu/LinkPort.h"

namespace hm::ecu {

class FrameAssembler {
  public:
    // The largest frame: length byte 255 plus checksum.
    static constexpr size_t kMaxFrame = 256;

    // Appends `count` bytes and calls `handler` once for every frame completed by them, in
    // order, before returning. The handler must not call back into this assembler.
    void AppendReceivedBytes(const uint8_t* bytes, size_t count, const FrameHandler& handler);

    // Forgets a partly received frame.
    void reset() { held_ = 0; }

    // Bytes held of a frame not yet complete.
    size_t held() const { return held_; }

  private:
    std::array<uint8_t, kMaxFrame> buffer_{};
    size_t held_ = 0;
};

}  // namespace hm::ecu
