#include <gtest/gtest.h>

#include <cstring>

#include "ecu/SecurityKey.h"
#include "ecusim/EcuMemory.h"
#include "ecusim/EcuResponder.h"
#include "fleetdata/StabilityRecord.h"

using namespace hm::ecusim;
using Bytes = std::vector<uint8_t>;

namespace {

Bytes ask(EcuResponder& ecu, Bytes body) {
    const Bytes request = withChecksum(std::move(body));
    return ecu.respond(request.data(), request.size());
}

Bytes tail(const Bytes& frame, size_t from, size_t count) {
    return Bytes(frame.begin() + static_cast<long>(from),
                 frame.begin() + static_cast<long>(from + count));
}

EcuIdentity identity(uint16_t seed) {
    EcuIdentity id;
    id.ecuType = "X299";
    id.probeDigits = "123";
    id.seed = seed;
    return id;
}

}  // namespace

TEST(EcuResponder, AnswersEveryReadWithTheExpectedFrames) {
    const EcuMemory demo = makeDemoMemory();
    EcuResponder ecu(identity(0x2A17), demo);

    EXPECT_EQ(ask(ecu, {0x02, 0x90}), (Bytes{0x06, 0xD0, 0x00, '1', '2', '3', 0x6C}));
    EXPECT_EQ(ask(ecu, {0x03, 0x21, 0x64}), withChecksum({0x07, 0x61, 0x64, 'X', '2', '9', '9'}));

    const Bytes ident = ask(ecu, {0x03, 0x1A, 0x90});
    ASSERT_EQ(ident.size(), 21u);
    EXPECT_EQ(tail(ident, 0, 3), (Bytes{0x14, 0x5A, 0x90}));
    EXPECT_EQ(std::string(ident.begin() + 3, ident.begin() + 20), demo.ident);

    for (uint8_t b = 0; b < 10; ++b) {
        const Bytes block = ask(ecu, {0x04, 0x21, 0x24, b});
        ASSERT_EQ(block.size(), 69u);
        EXPECT_EQ(tail(block, 0, 4), (Bytes{0x44, 0x61, 0x24, b}));
        EXPECT_EQ(tail(block, 4, 64), Bytes(demo.blocks[b].begin(), demo.blocks[b].end()));
        EXPECT_EQ(block, withChecksum(tail(block, 0, 68)));
    }
    for (uint8_t r = 0; r < 32; ++r) {
        const Bytes rec = ask(ecu, {0x04, 0x21, 0x39, r});
        ASSERT_EQ(rec.size(), 21u);
        EXPECT_EQ(tail(rec, 0, 4), (Bytes{0x14, 0x61, 0x39, r}));
        EXPECT_EQ(tail(rec, 4, 16), Bytes(demo.slots[r].begin(), demo.slots[r].end()));
    }
    // Out of range and unknown requests are refused, never ignored.
    EXPECT_EQ(ask(ecu, {0x04, 0x21, 0x24, 10}), withChecksum({0x04, 0x7F, 0x21, 0x31}));
    EXPECT_EQ(ask(ecu, {0x04, 0x21, 0x39, 32}), withChecksum({0x04, 0x7F, 0x21, 0x31}));
    EXPECT_EQ(ask(ecu, {0x02, 0x55}), withChecksum({0x04, 0x7F, 0x55, 0x11}));
    EXPECT_EQ(ask(ecu, {0x03, 0x10, 0x84}), withChecksum({0x03, 0x50, 0x84}));
    EXPECT_EQ(ask(ecu, {0x02, 0x20}), withChecksum({0x02, 0x60}));

    // A corrupted request is not answered.
    Bytes bad = withChecksum({0x03, 0x1A, 0x90});
    bad.back() ^= 1;
    EXPECT_TRUE(ecu.respond(bad.data(), bad.size()).empty());
}

TEST(EcuResponder, EraseAndWriteNeedSecurityAccessGrantedByTheRightKey) {
    EcuResponder ecu(identity(0x2A17), makeDemoMemory());
    const uint16_t key = hm::ecu::DeriveKey(0x2A17);
    ASSERT_NE(key, 0);
    const Bytes zeroPayloadWrite = [] {
        Bytes w{0x14, 0x3B, 0x39, 0x05};
        w.resize(20, 0);
        return w;
    }();

    EXPECT_EQ(ask(ecu, {0x04, 0x31, 0x0E, 0x02}), withChecksum({0x04, 0x7F, 0x31, 0x33}));
    EXPECT_EQ(ask(ecu, zeroPayloadWrite), withChecksum({0x04, 0x7F, 0x3B, 0x33}));
    // A key before any seed is a sequence error.
    EXPECT_EQ(ask(ecu, {0x05, 0x27, 0x06, 0x00, 0x01}), withChecksum({0x04, 0x7F, 0x27, 0x24}));

    EXPECT_EQ(ask(ecu, {0x03, 0x27, 0x05}), withChecksum({0x05, 0x67, 0x05, 0x2A, 0x17}));
    EXPECT_FALSE(ecu.securityGranted());
    const uint8_t kh = static_cast<uint8_t>(key >> 8), kl = static_cast<uint8_t>(key);
    EXPECT_EQ(ask(ecu, {0x05, 0x27, 0x06, kh, static_cast<uint8_t>(kl ^ 1)}),
              withChecksum({0x04, 0x7F, 0x27, 0x35}));
    EXPECT_FALSE(ecu.securityGranted());
    EXPECT_EQ(ask(ecu, {0x05, 0x27, 0x06, kh, kl}), withChecksum({0x03, 0x67, 0x06}));
    EXPECT_TRUE(ecu.securityGranted());

    EXPECT_EQ(ask(ecu, {0x04, 0x31, 0x0E, 0x02}), withChecksum({0x04, 0x71, 0x0E, 0x02}));
    EXPECT_EQ(ecu.memory().blocks[2], (std::array<uint8_t, 64>{}));
    EXPECT_NE(ecu.memory().blocks[3], (std::array<uint8_t, 64>{}));
    EXPECT_EQ(ask(ecu, {0x04, 0x31, 0x0E, 10}), withChecksum({0x04, 0x7F, 0x31, 0x31}));

    ASSERT_NE(ecu.memory().slots[5][4], 0);  // the demo has a record in slot 5
    EXPECT_EQ(ask(ecu, zeroPayloadWrite), withChecksum({0x04, 0x7B, 0x39, 0x05}));
    EXPECT_EQ(ecu.memory().slots[5], hm::StabilityPayload{});

    // Ending the session ends the access.
    ask(ecu, {0x02, 0x20});
    EXPECT_EQ(ask(ecu, {0x04, 0x31, 0x0E, 0x00}), withChecksum({0x04, 0x7F, 0x31, 0x33}));
}

TEST(EcuResponder, SeedWhoseKeyIsZeroGrantsAccessWithoutAKey) {
    EcuResponder ecu(identity(0), makeDemoMemory());
    ASSERT_EQ(hm::ecu::DeriveKey(0), 0);
    EXPECT_EQ(ask(ecu, {0x03, 0x27, 0x05}), withChecksum({0x05, 0x67, 0x05, 0x00, 0x00}));
    EXPECT_EQ(ask(ecu, {0x03, 0x10, 0x84}), withChecksum({0x03, 0x50, 0x84}));
    EXPECT_EQ(ask(ecu, {0x04, 0x31, 0x0E, 0x00}), withChecksum({0x04, 0x71, 0x0E, 0x00}));
}

TEST(EcuMemory, PayloadCodecFollowsTheStatusBitsAndByteOrder) {
    hm::StabilityPayload p{0x80, 62,   255,  40,   130, 0x04, 5,    3,
                           0x01, 0x00, 0x00, 0x00, 164, 82,   0xFF, 0xFF};
    hm::StabilityRecord r = decodePayload(p);
    EXPECT_EQ(r.stabilitySensorOutput, -128);
    EXPECT_EQ(r.redLampSignal, 0u);  // bit 2 alone is not the red lamp
    EXPECT_EQ(r.odometer, 16777216u);
    EXPECT_EQ(r.timeSinceStartup, 65535u);
    p[5] = 0x0C;
    EXPECT_EQ(decodePayload(p).redLampSignal, 1u);

    hm::StabilityRecord all{};
    all.brakeApply = all.redLampSignal = all.cabLampSignal = all.serviceLampSignal = 1;
    all.flagBit6 = all.stopLightPower = 1;
    EXPECT_EQ(encodeRecord(all)[5], 0xFD);
    all.cabLampSignal = 2;  // anything but 1 is off
    EXPECT_EQ(encodeRecord(all)[5], 0xED);
    for (uint8_t status : {0x00, 0x01, 0x0C, 0x10, 0x20, 0x40, 0x80, 0xFD}) {
        p[5] = status;
        EXPECT_EQ(encodeRecord(decodePayload(p)), p) << int(status);
    }
}

TEST(EcuMemory, DemoVehicleLooksLikeARealTrailer) {
    const EcuMemory m = makeDemoMemory();
    const hm::FleetDataImage v = makeDemoVehicle();
    EXPECT_EQ(m.ident.size(), 17u);
    for (int b = 0; b < 10; ++b) {
        int nonZero = 0;
        for (int i = 0; i < hm::FleetDataImage::blockWords(b); ++i) {
            nonZero += v.block(b)[i] != 0;
        }
        EXPECT_GE(nonZero, 3) << "block " << b;
    }
    EXPECT_GT(v.intervalCount(), 28u);

    // Full slots with empty ones between them, and one record without a valid month.
    int full = 0, gapsBetween = 0, lastFull = -1;
    for (int s = 0; s < 32; ++s) {
        if (m.slots[s][4] != 0) {
            gapsBetween += lastFull >= 0 && s > lastFull + 1;
            lastFull = s;
            ++full;
        }
    }
    EXPECT_EQ(v.stabilityRecordCount, static_cast<uint32_t>(full));
    EXPECT_GE(gapsBetween, 2);
    bool invalidMonth = false;
    int lastDate = 0;  // month * 32 + day of the last record with a date
    for (uint32_t i = 0; i < v.stabilityRecordCount; ++i) {
        const auto& r = v.stabilityRecords[i];
        // An event happened on the road the trailer has covered, and later events have later
        // dates (the records hold no year, so the demo keeps them within one).
        EXPECT_LT(hm::odometerKm(r), v.totalDistanceKm()) << "record " << i;
        const bool dated = r.month >= 1 && r.month <= 12;
        invalidMonth |= !dated;
        if (dated) {
            EXPECT_GT(r.month * 32 + r.day, lastDate) << "record " << i;
            lastDate = r.month * 32 + r.day;
        }
        if (i > 0) {  // already in the order the tool sorts into
            const auto& q = v.stabilityRecords[i - 1];
            EXPECT_LT(q.odometer * 16u + q.month * 4u + q.day,
                      r.odometer * 16u + r.month * 4u + r.day);
        }
    }
    EXPECT_TRUE(invalidMonth);

    // Serving an image and downloading it again gives the same image.
    const hm::FleetDataImage again = imageFromMemory(memoryFromImage(v));
    EXPECT_EQ(std::memcmp(&v, &again, sizeof v), 0);
}

// A request with a wrong length or an unknown sub-function is refused with the code that says
// which; with one request on a service its length is checked first, with several byte 2 first.
TEST(EcuResponder, MalformedRequestsAreRefusedWithTheCodeThatSaysWhy) {
    EcuResponder ecu(identity(0x2A17), makeDemoMemory());
    const struct {
        Bytes request;
        Bytes answer;
    } cases[] = {
        {{0x04, 0x10, 0x84, 0x00}, {0x04, 0x7F, 0x10, 0x13}},
        {{0x04, 0x10, 0x85, 0x00}, {0x04, 0x7F, 0x10, 0x13}},
        {{0x03, 0x10, 0x85}, {0x04, 0x7F, 0x10, 0x12}},
        {{0x03, 0x1A, 0x91}, {0x04, 0x7F, 0x1A, 0x12}},
        {{0x05, 0x31, 0x0E, 0x00, 0x00}, {0x04, 0x7F, 0x31, 0x13}},
        {{0x04, 0x31, 0x0F, 0x00}, {0x04, 0x7F, 0x31, 0x12}},
        {{0x02, 0x27}, {0x04, 0x7F, 0x27, 0x13}},
        {{0x03, 0x27, 0x07}, {0x04, 0x7F, 0x27, 0x12}},
        {{0x04, 0x27, 0x05, 0x00}, {0x04, 0x7F, 0x27, 0x13}},
        {{0x03, 0x21, 0x77}, {0x04, 0x7F, 0x21, 0x31}},  // an unknown local identifier
        {{0x05, 0x21, 0x24, 0x00, 0x00}, {0x04, 0x7F, 0x21, 0x13}},
        {{0x04, 0x21, 0x64, 0x00}, {0x04, 0x7F, 0x21, 0x13}},
        {{0x03, 0x61, 0x24}, {0x04, 0x7F, 0x61, 0x11}},  // an answer's service is no request
        {{0x03, 0x20, 0x00}, {0x02, 0x60}},              // the session's end is never refused
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ask(ecu, c.request), withChecksum(c.answer)) << int(c.request[1]);
    }
}
