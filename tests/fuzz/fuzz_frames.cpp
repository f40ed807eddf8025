// Frame assembly under arbitrary bytes in arbitrary chunks. The first byte of each round
// sets the next chunk's size, so the fuzzer explores chunkings as well as contents. Every
// delivered frame must be well formed (length byte >= 2, length + 1 bytes), and the frames
// must be the same as when the same bytes arrive in one piece.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "ecu/FrameAssembler.h"

namespace {

using Frames = std::vector<std::vector<uint8_t>>;

hm::ecu::FrameHandler collector(Frames& out) {
    return [&out](const uint8_t* f, size_t n) {
        if (n < 3 || f[0] < 2 || n != static_cast<size_t>(f[0]) + 1) {
            std::abort();
        }
        out.emplace_back(f, f + n);
    };
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> stream;
    Frames chunked;
    hm::ecu::FrameAssembler assembler;
    const auto handler = collector(chunked);
    size_t at = 0;
    while (at < size) {
        const size_t chunk = std::min<size_t>(data[at] % 64, size - at - 1);
        ++at;
        assembler.AppendReceivedBytes(data + at, chunk, handler);
        stream.insert(stream.end(), data + at, data + at + chunk);
        at += chunk;
    }

    Frames whole;
    hm::ecu::FrameAssembler single;
    single.AppendReceivedBytes(stream.data(), stream.size(), collector(whole));
    if (whole != chunked || single.held() != assembler.held()) {
        std::abort();
    }
    return 0;
}
