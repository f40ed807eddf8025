#include "ecu/FrameAssembler.h"

namespace hm::ecu {

void FrameAssembler::AppendReceivedBytes(const uint8_t* bytes, size_t count,
                                         const FrameHandler& handler) {
    for (size_t i = 0; i < count; ++i) {
        const uint8_t b = bytes[i];
        if (held_ == 0 && b < 2) {
            continue;  // not a length byte: resynchronise on the next byte
        }
        buffer_[held_++] = b;
        if (held_ == static_cast<size_t>(buffer_[0]) + 1) {
            const size_t length = held_;
            held_ = 0;
            if (handler) {
                handler(buffer_.data(), length);
            }
        }
    }
}

}  // namespace hm::ecu
