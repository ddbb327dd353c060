#include "runtime/numbertext.h"

#include <gtest/gtest.h>

#include <limits>

namespace runtime {
namespace {

TEST(DecimalText, NoPaddingAndMinusDirectlyBeforeNegatives) {
    EXPECT_EQ(decimalText(0), "0");
    EXPECT_EQ(decimalText(7000), "7000");
    EXPECT_EQ(decimalText(-5), "-5");
    EXPECT_EQ(decimalText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(decimalText(std::uint8_t{255}), "255");
}

TEST(HexText, UpperCaseWithoutLeadingZerosInTheValuesOwnWidth) {
    EXPECT_EQ(hexText(std::uint8_t{0}), "0");
    EXPECT_EQ(hexText(std::uint8_t{10}), "A");
    EXPECT_EQ(hexText(std::uint8_t{129}), "81");
    EXPECT_EQ(hexText(std::uint8_t{0xFE}), "FE");
    EXPECT_EQ(hexText(std::int32_t{1045}), "415");
    EXPECT_EQ(hexText(std::int32_t{0x5465644D}), "5465644D");
    EXPECT_EQ(hexText(std::int32_t{-1}), "FFFFFFFF");
    EXPECT_EQ(hexText(std::numeric_limits<std::int32_t>::min()), "80000000");
    EXPECT_EQ(hexText(std::int16_t{-1}), "FFFF");
}

}  // namespace
}  // namespace runtime
