#include "viewer/glyphbitmap.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace viewer {
namespace {

template <std::size_t N>
std::vector<std::size_t> inkEntries(const std::array<std::uint8_t, N>& pixels) {
    std::vector<std::size_t> ink;
    for (std::size_t i = 0; i < N; ++i) {
        EXPECT_TRUE(pixels[i] == kInkCode || pixels[i] == kBackgroundCode) << i;
        if (pixels[i] == kInkCode) {
            ink.push_back(i);
        }
    }
    return ink;
}

using Entries = std::vector<std::size_t>;

TEST(ByteToBin, EightDigitsMostSignificantFirst) {
    EXPECT_EQ(ByteToBin(0), "00000000");
    EXPECT_EQ(ByteToBin(1), "00000001");
    EXPECT_EQ(ByteToBin(0x80), "10000000");
    EXPECT_EQ(ByteToBin(0xA5), "10100101");
    EXPECT_EQ(ByteToBin(0xFF), "11111111");
    for (int value = 0; value < 256; ++value) {
        const std::string digits = ByteToBin(static_cast<std::uint8_t>(value));
        ASSERT_EQ(digits.size(), 8U);
        EXPECT_EQ(std::stoi(digits, nullptr, 2), value);
    }
}

TEST(PixelStrings, SingleByteGlyphsReadRowsTopDownAndBitsLeftToRight) {
    SbcsPixelString pixels;
    pixels.fill(0xEE);
    std::array<std::uint8_t, 16> bitmap{};
    GetPixelFromByteArraySBCS(pixels, bitmap);
    EXPECT_EQ(inkEntries(pixels), Entries{});  // every entry overwritten, none inked

    bitmap[0] = 0x01;
    GetPixelFromByteArraySBCS(pixels, bitmap);
    EXPECT_EQ(inkEntries(pixels), Entries{7});

    bitmap = {};
    bitmap[15] = 0x80;
    GetPixelFromByteArraySBCS(pixels, bitmap);
    EXPECT_EQ(inkEntries(pixels), Entries{120});
}

TEST(PixelStrings, DoubleByteGlyphsTakeTwoBytesPerRowLeftHalfFirst) {
    DbcsPixelString pixels;
    std::array<std::uint8_t, 32> bitmap{};
    bitmap[0] = 0x80;
    bitmap[1] = 0x01;
    GetPixelFromByteArrayDBCS(pixels, bitmap);
    EXPECT_EQ(inkEntries(pixels), (Entries{0, 15}));

    bitmap = {};
    bitmap[31] = 0x01;
    GetPixelFromByteArrayDBCS(pixels, bitmap);
    EXPECT_EQ(inkEntries(pixels), Entries{255});
}

TEST(PixelStrings, EveryByteValueDecodesToItsDigits) {
    for (int value = 0; value < 256; ++value) {
        std::array<std::uint8_t, 32> bitmap{};
        bitmap[9] = static_cast<std::uint8_t>(value);
        DbcsPixelString pixels;
        GetPixelFromByteArrayDBCS(pixels, bitmap);
        const std::string digits(pixels.begin() + 72, pixels.begin() + 80);
        EXPECT_EQ(digits, ByteToBin(static_cast<std::uint8_t>(value)));
        EXPECT_EQ(std::count(pixels.begin(), pixels.end(), kInkCode),
                  std::count(digits.begin(), digits.end(), '1'));
    }
}

}  // namespace
}  // namespace viewer
