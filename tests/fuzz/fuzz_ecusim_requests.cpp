// The virtual ECU's request handling under arbitrary bytes: every answer is a well-formed frame
// with a correct checksum, and nothing crashes whatever the requests (erases and writes
// included, since a seed of 0 grants access).
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "ecu/FrameAssembler.h"
#include "ecusim/EcuResponder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const hm::ecusim::EcuMemory demo = hm::ecusim::makeDemoMemory();
    hm::ecusim::EcuIdentity identity;
    identity.seed = size > 0 && (data[0] & 1) ? 0 : 0x2A17;
    hm::ecusim::EcuResponder ecu(identity, demo);
    hm::ecu::FrameAssembler assembler;
    assembler.AppendReceivedBytes(data, size, [&](const uint8_t* f, size_t n) {
        const hm::ecusim::Frame r = ecu.respond(f, n);
        if (!r.empty() && !hm::ecusim::frameIsValid(r.data(), r.size())) {
            std::abort();
        }
    });
    return 0;
}
