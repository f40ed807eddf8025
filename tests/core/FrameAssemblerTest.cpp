#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "ecu/FrameAssembler.h"

using hm::ecu::FrameAssembler;
using Bytes = std::vector<uint8_t>;

namespace {

Bytes frame(Bytes body) {
    body.push_back(static_cast<uint8_t>(std::accumulate(body.begin(), body.end(), 0u)));
    return body;
}

// Feeds `stream` in the given chunk sizes (the last chunk takes the rest) and returns the
// frames delivered after each chunk.
struct Feed {
    FrameAssembler assembler;
    std::vector<Bytes> frames;
    std::vector<size_t> deliveredAfterChunk;

    void chunk(const Bytes& bytes) {
        assembler.AppendReceivedBytes(
            bytes.data(), bytes.size(),
            [this](const uint8_t* f, size_t n) { frames.emplace_back(f, f + n); });
        deliveredAfterChunk.push_back(frames.size());
    }
    void chunks(const Bytes& stream, const std::vector<size_t>& sizes) {
        size_t at = 0;
        for (size_t s : sizes) {
            chunk(Bytes(stream.begin() + static_cast<long>(at),
                        stream.begin() + static_cast<long>(at + s)));
            at += s;
        }
        chunk(Bytes(stream.begin() + static_cast<long>(at), stream.end()));
    }
};

Bytes recordResponse() {
    Bytes body{0x14, 0x61, 0x39, 0x05};
    for (int i = 0; i < 16; ++i) {
        body.push_back(static_cast<uint8_t>(0x30 + i));
    }
    return frame(body);  // 21 bytes
}

}  // namespace

TEST(FrameAssembler, RecordResponseWholeOrSplitIsDeliveredOnceWhenComplete) {
    const Bytes response = recordResponse();
    ASSERT_EQ(response.size(), 21u);

    Feed whole;
    whole.chunk(response);
    ASSERT_EQ(whole.frames.size(), 1u);
    EXPECT_EQ(whole.frames[0], response);
    EXPECT_EQ(whole.assembler.held(), 0u);

    Feed split;
    split.chunks(response, {8});  // 8 then 13
    EXPECT_EQ(split.deliveredAfterChunk, (std::vector<size_t>{0, 1}));
    EXPECT_EQ(split.frames[0], response);
    EXPECT_EQ(split.assembler.held(), 0u);
}

TEST(FrameAssembler, FrameFollowedByStartOfNextDeliversTheFirstAtOnce) {
    const Bytes probe = frame({0x02, 0x90});
    const Bytes ident = frame({0x03, 0x1A, 0x90});
    Bytes stream = probe;
    stream.insert(stream.end(), ident.begin(), ident.end());

    Feed f;
    f.chunks(stream, {4});  // the 3-byte frame and the first byte of the next
    EXPECT_EQ(f.deliveredAfterChunk, (std::vector<size_t>{1, 2}));
    ASSERT_EQ(f.frames.size(), 2u);
    EXPECT_EQ(f.frames[0], probe);
    EXPECT_EQ(f.frames[1], ident);
}

// Every way of cutting a stream of several frames into two or three chunks, and byte by
// byte, gives the same frames in the same order.
TEST(FrameAssembler, EveryChunkingGivesTheSameFramesInOrder) {
    const std::vector<Bytes> expected = {frame({0x02, 0x90}), recordResponse(),
                                         frame({0x04, 0x7F, 0x31, 0x33}), frame({0x02, 0x60})};
    Bytes stream;
    for (const auto& f : expected) {
        stream.insert(stream.end(), f.begin(), f.end());
    }
    for (size_t a = 0; a <= stream.size(); ++a) {
        for (size_t b = a; b <= stream.size(); b += 3) {
            Feed f;
            f.chunks(stream, {a, b - a});
            ASSERT_EQ(f.frames, expected) << "cuts at " << a << " and " << b;
            ASSERT_EQ(f.assembler.held(), 0u);
        }
    }
    Feed bytewise;
    bytewise.chunks(stream, std::vector<size_t>(stream.size() - 1, 1));
    EXPECT_EQ(bytewise.frames, expected);
}

TEST(FrameAssembler, LengthBytesBelowTwoAreDroppedToResynchronise) {
    const Bytes probe = frame({0x02, 0x90});
    Bytes stream{0x00, 0x01, 0x00};
    stream.insert(stream.end(), probe.begin(), probe.end());
    Feed f;
    f.chunk(stream);
    ASSERT_EQ(f.frames.size(), 1u);
    EXPECT_EQ(f.frames[0], probe);

    // A zero inside a frame is data, not a resynchronisation point.
    const Bytes withZero = frame({0x04, 0x21, 0x24, 0x00});
    Feed g;
    g.chunks(withZero, {3});
    ASSERT_EQ(g.frames.size(), 1u);
    EXPECT_EQ(g.frames[0], withZero);
}

TEST(FrameAssembler, LongestFrameAndResetWork) {
    Bytes longest(255, 0xAB);
    longest[0] = 0xFF;
    longest = frame(longest);
    ASSERT_EQ(longest.size(), 256u);
    Feed f;
    f.chunks(longest, {100, 100});
    ASSERT_EQ(f.frames.size(), 1u);
    EXPECT_EQ(f.frames[0], longest);

    // reset() forgets a partial frame: a new connection starts clean.
    Feed g;
    g.chunk({0x05, 0x67, 0x05});
    EXPECT_EQ(g.assembler.held(), 3u);
    g.assembler.reset();
    const Bytes stop = frame({0x02, 0x60});
    g.chunk(stop);
    ASSERT_EQ(g.frames.size(), 1u);
    EXPECT_EQ(g.frames[0], stop);
}
