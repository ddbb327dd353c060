#include "viewer/glyphbitmap.h"

#include <gtest/gtest.h>

namespace viewer {
namespace {

TEST(ByteToBin, EveryByteGivesItsEightDigitsMostSignificantFirst) {
    EXPECT_EQ(ByteToBin(0xA5), "10100101");
    for (int value = 0; value < 256; ++value) {
        const std::string digits = ByteToBin(static_cast<std::uint8_t>(value));
        ASSERT_EQ(digits.size(), 8U);
        EXPECT_EQ(std::stoi(digits, nullptr, 2), value);
    }
}

TEST(PixelStrings, RowsGoTopDownAndBitsLeftToRightDoubleBytesLeftHalfFirst) {
    SbcsPixelString sbcs;
    sbcs.fill('x');
    GetPixelFromByteArraySBCS(sbcs, {0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80});
    std::string expected(128, '0');
    expected[7] = expected[120] = '1';
    EXPECT_EQ(std::string(sbcs.begin(), sbcs.end()), expected);

    DbcsPixelString dbcs;
    std::array<std::uint8_t, 32> bitmap{0x80, 0x01};
    bitmap[9] = 0xA5;
    bitmap[31] = 0x01;
    GetPixelFromByteArrayDBCS(dbcs, bitmap);
    expected.assign(256, '0');
    expected[0] = expected[15] = expected[255] = '1';
    expected.replace(72, 8, "10100101");
    EXPECT_EQ(std::string(dbcs.begin(), dbcs.end()), expected);
}

}  // namespace
}  // namespace viewer
