// The trace ring (bounded, ordered, coalesced notification), the trace line format and the
// meaning of the frames the tool sends and the virtual ECU answers.
#include <gtest/gtest.h>
#include <malloc.h>

#include <memory>

#include "ecu/EcuProtocol.h"
#include "ecu/FrameMeaning.h"
#include "ecu/SecurityKey.h"
#include "ecu/TraceRing.h"
#include "ecusim/EcuResponder.h"
#include "support/FakeLinkPort.h"

using namespace hm::ecu;
using hmtest::Bytes;
using hmtest::frameOf;

namespace {

void pushNumbered(TraceRing& ring, int from, int to) {
    for (int i = from; i < to; ++i) {
        const uint8_t b[] = {static_cast<uint8_t>(i), static_cast<uint8_t>(i >> 8)};
        ring.pushFrame(i, TraceDirection::Rx, b, sizeof b);
    }
}

std::string meaning(const Bytes& frame) {
    return frameMeaning(frame.data(), frame.size());
}

}  // namespace

TEST(TraceRing, KeepsTheNewestTenThousandInOrder) {
    TraceRing ring;
    pushNumbered(ring, 0, 10005);
    EXPECT_EQ(ring.size(), 10000u);
    uint64_t next = 0;
    const std::vector<TraceEntry> held = ring.take(0, next);
    EXPECT_EQ(next, 10005u);
    ASSERT_EQ(held.size(), 10000u);
    for (size_t i = 0; i < held.size(); ++i) {
        ASSERT_EQ(held[i].ms, static_cast<int64_t>(i + 5));
        ASSERT_EQ(held[i].bytes,
                  (Bytes{static_cast<uint8_t>(i + 5), static_cast<uint8_t>((i + 5) >> 8)}));
    }
    // Only what came after `next`; a cleared ring keeps numbering.
    pushNumbered(ring, 10005, 10007);
    EXPECT_EQ(ring.take(next, next).size(), 2u);
    ring.clear();
    EXPECT_TRUE(ring.snapshot().empty());
    ring.pushNote(20000, "after clear");
    const auto after = ring.take(0, next);
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after[0].text, "after clear");
    EXPECT_EQ(next, 10008u);
}

// The window makes its ring at start whether or not the link is ever traced: an unused ring
// holds no slots; a ring that fills up wraps in order.
TEST(TraceRing, CostsNothingUntilUsedAndWrapsAsItFills) {
    const auto heapInUse = [] {
        const struct mallinfo2 info = mallinfo2();
        return static_cast<long long>(info.uordblks + info.hblkhd);
    };
    const long long before = heapInUse();
    auto unused = std::make_unique<TraceRing>();
    EXPECT_LT(heapInUse() - before, 4096);
    EXPECT_EQ(unused->capacity(), TraceRing::kDefaultCapacity);

    TraceRing small(3);
    uint64_t next = 0;
    for (int n = 0; n < 5; ++n) {
        pushNumbered(small, n, n + 1);
        std::vector<int64_t> held;
        for (const TraceEntry& e : small.take(0, next)) {
            held.push_back(e.ms);
        }
        const std::vector<std::vector<int64_t>> expected = {
            {0}, {0, 1}, {0, 1, 2}, {1, 2, 3}, {2, 3, 4}};
        EXPECT_EQ(held, expected[static_cast<size_t>(n)]) << "after push " << n;
    }
}

TEST(TraceRing, ListenerIsCalledOncePerBurstAndNeverWhenUnset) {
    TraceRing ring(4);
    int calls = 0;
    pushNumbered(ring, 0, 3);  // no listener: nothing to call
    ring.setListener([&] { ++calls; });
    pushNumbered(ring, 3, 8);
    EXPECT_EQ(calls, 1);
    uint64_t next = 0;
    EXPECT_EQ(ring.take(0, next).size(), 4u);
    pushNumbered(ring, 8, 10);
    EXPECT_EQ(calls, 2);
    ring.setListener({});
    ring.take(next, next);
    pushNumbered(ring, 10, 12);
    EXPECT_EQ(calls, 2);
}

TEST(TraceRing, LinesHaveTheTraceFileFormat) {
    const struct {
        TraceEntry entry;
        const char* line;
    } cases[] = {
        {{1203, TraceDirection::Tx, {0x03, 0x1A, 0x90, 0xAD}, {}}, "1203 TX 03 1A 90 AD"},
        {{0, TraceDirection::Rx, {0x02, 0x60, 0x62}, {}}, "0 RX 02 60 62"},
        {{1100, TraceDirection::Note, {}, "open COM 1 /dev/ttyUSB0"},
         "1100 -- open COM 1 /dev/ttyUSB0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatTraceLine(c.entry), c.line);
    }
}

// Each request as the protocol code builds it, then the virtual ECU's answer to it, in the
// order a download and an erase send them (the erase needs the security handshake first).
TEST(FrameMeaning, NamesRequestsAndTheVirtualEcusAnswers) {
    hm::ecusim::EcuIdentity identity;
    hm::ecusim::EcuResponder ecu(identity, hm::ecusim::makeDemoMemory());
    const uint16_t key = DeriveKey(identity.seed, identity.key);
    const struct {
        Request request;
        uint8_t byte3;  // block, record or key high byte
        uint8_t byte4;  // key low byte
        const char* meaning;
        const char* answer;
    } cases[] = {
        {Request::ReadVehicleIdent, 0, 0, "vehicle identification", "vehicle identification"},
        {Request::ReadEcuType, 0, 0, "ECU type", "ECU type"},
        {Request::StartSession, 0, 0, "start session", "start session"},
        {Request::ReadFleetBlock, 3, 0, "block 3", "block 3"},
        {Request::ReadFleetBlock, 10, 0, "block 10", "refused (7F 21 31)"},
        {Request::ReadStabilityRecord, 12, 0, "record 12", "record 12"},
        {Request::EraseFleetBlock, 4, 0, "erase block 4", "refused (7F 31 33)"},
        {Request::SendKey, 0, 0, "security key", "refused (7F 27 24)"},
        {Request::RequestSeed, 0, 0, "security seed", "security seed"},
        {Request::SendKey, static_cast<uint8_t>(key >> 8), static_cast<uint8_t>(key),
         "security key", "security key"},
        {Request::EraseFleetBlock, 4, 0, "erase block 4", "erase block 4"},
        {Request::WriteStabilityRecord, 31, 0, "write record 31", "write record 31"},
        {Request::StopSession, 0, 0, "stop session", "stop session"},
    };
    for (const auto& c : cases) {
        Bytes frame = requestTemplate(c.request);
        if (frame.size() > 4) {
            frame[3] = c.byte3;
        }
        if (c.request == Request::SendKey) {
            frame[4] = c.byte4;
        }
        frame.back() = frameChecksum(frame.data(), frame.size() - 1);
        EXPECT_EQ(meaning(frame), c.meaning) << requestName(c.request);
        EXPECT_EQ(meaning(ecu.respond(frame.data(), frame.size())), c.answer)
            << requestName(c.request);
    }
}

TEST(FrameMeaning, NamesProbesPendingAndBrokenFrames) {
    Bytes corrupt = frameOf({0x61, 0x24, 0x03});
    corrupt.back() ^= 0x01;
    const struct {
        Bytes frame;
        const char* meaning;
    } cases[] = {
        {Bytes(kLinkProbe.begin(), kLinkProbe.end()), "link probe"},
        {frameOf({0xD0, 0x00, '1', '0', '0'}), "link probe"},
        {frameOf({0x7F, 0x21, 0x78}), "response pending"},
        {frameOf({0x61, 0x24}), "block ?"},
        {frameOf({0x55, 0x01}), "unknown"},
        {corrupt, "bad checksum"},
        {Bytes{0x05, 0x61, 0x24}, "bad length"},
        {Bytes{}, "bad length"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(meaning(c.frame), c.meaning) << hmtest::hex(c.frame);
    }
}
