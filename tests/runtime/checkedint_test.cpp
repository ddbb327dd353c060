#include "runtime/checkedint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/checkedarray.h"
#include "support/raisederror.h"
#include "support/sanitizerbuild.h"

namespace runtime {
namespace {

using I16 = std::int16_t;
using I32 = std::int32_t;

void expectError(ErrorNumber number, auto&& action) {
    try {
        action();
        ADD_FAILURE() << "no runtime error raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), number) << error.what();
    }
}

void expectOverflow(auto&& action) {
    expectError(ErrorNumber::Overflow, action);
}

TEST(CheckedArithmetic, SixteenBitReachesBothEndsAndNoFurther) {
    EXPECT_EQ(checkedAdd<I16>(32766, 1), 32767);
    EXPECT_EQ(checkedSub<I16>(-32767, 1), -32768);
    EXPECT_EQ(checkedAdd<I16>(-32768, 32767), -1);
    expectOverflow([] { checkedAdd<I16>(32767, 1); });
    expectOverflow([] { checkedAdd<I16>(-32768, -1); });
    expectOverflow([] { checkedSub<I16>(-32768, 1); });
    expectOverflow([] { checkedSub<I16>(0, -32768); });
    expectOverflow([] { checkedAdd<I16>(32500, 500); });  // the next page step past the end
}

TEST(CheckedArithmetic, ThirtyTwoBitReachesBothEndsAndNoFurther) {
    constexpr I32 max = std::numeric_limits<I32>::max();
    constexpr I32 min = std::numeric_limits<I32>::min();
    EXPECT_EQ(checkedAdd<I32>(max - 1, 1), max);
    EXPECT_EQ(checkedSub<I32>(min + 1, 1), min);
    expectOverflow([] { checkedAdd<I32>(max, 1); });
    expectOverflow([] { checkedSub<I32>(min, 1); });
}

TEST(CheckedArithmetic, IncrementStopsAtTheTopAndLeavesTheValue) {
    I16 value = 32766;
    checkedIncrement(value);
    EXPECT_EQ(value, 32767);
    expectOverflow([&] { checkedIncrement(value); });
    EXPECT_EQ(value, 32767);
    I32 wide = std::numeric_limits<I32>::max();
    expectOverflow([&] { checkedIncrement(wide); });
}

TEST(Narrowing, IntegersKeepTheirValueOrOverflow) {
    EXPECT_EQ(toInt16(32767), 32767);
    EXPECT_EQ(toInt16(-32768LL), -32768);
    EXPECT_EQ(toInt32(std::int64_t{-2147483648LL}), std::numeric_limits<I32>::min());
    expectOverflow([] { toInt16(32768); });
    expectOverflow([] { toInt16(-32769); });
    expectOverflow([] { toInt16(std::uint32_t{4294967295U}); });  // not -1
    expectOverflow([] { toInt32(std::int64_t{2147483648LL}); });
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundToInt16(14.5), 14);
    EXPECT_EQ(roundToInt16(15.5), 16);
    EXPECT_EQ(roundToInt16(-2.5), -2);
    EXPECT_EQ(roundToInt16(-3.5), -4);
    EXPECT_EQ(roundToInt16(0.5), 0);
    EXPECT_EQ(roundToInt16(14.2), 14);
    EXPECT_EQ(roundToInt16(14.51), 15);
    EXPECT_EQ(roundToInt16(-0.4), 0);
    EXPECT_EQ(roundToInt16(7100.0 / 500.0), 14);
    EXPECT_EQ(roundToInt16(7750.0 / 500.0), 16);
}

TEST(Rounding, RangeIsCheckedAfterRounding) {
    EXPECT_EQ(roundToInt16(32767.4), 32767);
    EXPECT_EQ(roundToInt16(-32768.5), -32768);  // ties to even stays inside
    expectOverflow([] { roundToInt16(32767.5); });
    expectOverflow([] { roundToInt16(-32769.0); });
    EXPECT_EQ(roundToInt32(2147483646.5), 2147483646);
    expectOverflow([] { roundToInt32(2147483647.5); });
    expectOverflow([] { roundToInt32(std::nan("")); });
    expectOverflow([] { roundToInt16(std::numeric_limits<double>::infinity()); });
}

TEST(CheckedArrayAccess, OutsideTheBoundsIsSubscriptOutOfRange) {
    auto array = CheckedArray<int>::zeroed(3);
    array[2] = 7;
    EXPECT_EQ(array[0], 0);
    EXPECT_EQ(array[2], 7);
    expectError(ErrorNumber::SubscriptOutOfRange, [&] { array[3]; });
    expectError(ErrorNumber::SubscriptOutOfRange, [&] { array[-1]; });
    std::array<std::uint8_t, 16> bitmap{};
    expectError(ErrorNumber::SubscriptOutOfRange, [&] { checkedAt(bitmap, 16); });
    expectError(ErrorNumber::SubscriptOutOfRange, [&] { CheckedArray<int>{}[0]; });
}

TEST(CheckedArrayAccess, AnImpossibleSizeIsOutOfMemoryNotACrash) {
    if (testsupport::kAddressSanitizer) {
        GTEST_SKIP() << "AddressSanitizer's allocator aborts instead of throwing std::bad_alloc";
    }
    expectError(ErrorNumber::OutOfMemory,
                [] { CheckedArray<std::array<char, 4096>>::zeroed(std::int64_t{1} << 50); });
}

}  // namespace
}  // namespace runtime
