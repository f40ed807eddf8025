#include <gtest/gtest.h>

#include "ecu/SecurityKey.h"

using hm::ecu::DeriveKey;
using hm::ecu::KeyConstants;
using hm::ecu::parseKeyConstants;

TEST(SecurityKey, RotateMultiplyDivideTakesLow16Bits) {
    // 0x8001 rotated left by 1 is 0x0003; 3 * 1000 / 7 = 428.
    EXPECT_EQ(DeriveKey(0x8001, KeyConstants{1, 1000, 7}), 428);
    // Signed division truncates toward zero: 3 * -1000 / 7 = -428 -> 0xFE54.
    EXPECT_EQ(DeriveKey(0x8001, KeyConstants{1, -1000, 7}), 0xFE54);
    // The product does not overflow with large constants.
    EXPECT_EQ(DeriveKey(0xFFFF, KeyConstants{0, 0x7FFFFFFF, 1}),
              static_cast<uint16_t>((int64_t{0xFFFF} * 0x7FFFFFFF) & 0xFFFF));
    EXPECT_EQ(DeriveKey(0), 0);  // the seed the tests use for "no key needed"
}

TEST(SecurityKey, ParsesConstantsAndRejectsNonsense) {
    auto k = parseKeyConstants("3,0x2A5,-7");
    ASSERT_TRUE(k.has_value());
    EXPECT_EQ(k->rotate, 3);
    EXPECT_EQ(k->multiplier, 0x2A5);
    EXPECT_EQ(k->divisor, -7);
    for (const char* bad :
         {"", "1,2", "1,2,3,4", "16,1,1", "1,1,0", "a,b,c", "1,,2", "1,2,3,", "-1,1,1"}) {
        EXPECT_FALSE(parseKeyConstants(bad).has_value()) << bad;
    }
}
