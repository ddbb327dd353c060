#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "runtime/checkedarray.h"
#include "runtime/checkedint.h"
#include "runtime/numbertext.h"
#include "support/raisederror.h"
#include "support/sanitizerbuild.h"

namespace runtime {
namespace {

using I16 = std::int16_t;
using I32 = std::int32_t;
using testsupport::raisedError;
constexpr I32 kMax32 = std::numeric_limits<I32>::max();
constexpr I32 kMin32 = std::numeric_limits<I32>::min();
constexpr std::int64_t kOverflows = std::numeric_limits<std::int64_t>::min();

// The value an operation gives, or kOverflows when it raises the overflow error.
std::int64_t outcome(const std::function<std::int64_t()>& operation) {
    try {
        return operation();
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::Overflow) << error.what();
        return kOverflows;
    }
}

TEST(CheckedIntegers, ReachTheEndsOfTheirWidthAndOverflowPastThem) {
    const struct {
        const char* operation;
        std::function<std::int64_t()> run;
        std::int64_t expected;
    } cases[] = {
        {"32766 + 1", [] { return checkedAdd<I16>(32766, 1); }, 32767},
        {"32767 + 1", [] { return checkedAdd<I16>(32767, 1); }, kOverflows},
        {"-32768 + -1", [] { return checkedAdd<I16>(-32768, -1); }, kOverflows},
        {"-32767 - 1", [] { return checkedSub<I16>(-32767, 1); }, -32768},
        {"0 - -32768", [] { return checkedSub<I16>(0, -32768); }, kOverflows},
        {"max32 + 1", [] { return checkedAdd<I32>(kMax32, 1); }, kOverflows},
        {"min32 - 1", [] { return checkedSub<I32>(kMin32, 1); }, kOverflows},
        {"toInt16(-32768)", [] { return toInt16(-32768LL); }, -32768},
        {"toInt16(32768)", [] { return toInt16(32768); }, kOverflows},
        {"toInt16(-32769)", [] { return toInt16(-32769); }, kOverflows},
        {"toInt16(4294967295u)", [] { return toInt16(4294967295U); }, kOverflows},
        {"toInt32(2^31)", [] { return toInt32(std::int64_t{1} << 31); }, kOverflows},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(outcome(c.run), c.expected) << c.operation;
    }
    I16 top = 32767;
    EXPECT_EQ(raisedError([&] { checkedIncrement(top); }), ErrorNumber::Overflow);
    EXPECT_EQ(top, 32767) << "an overflowing increment changed its value";
}

TEST(Rounding, HalvesGoToTheEvenNeighbourAndTheRangeIsCheckedAfterwards) {
    // {value, the 16-bit integer it rounds to or kOverflows}
    // clang-format off
    const std::pair<double, std::int64_t> to16[] = {
        {14.5, 14}, {15.5, 16}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {14.2, 14}, {14.51, 15},
        {-0.4, 0}, {32767.4, 32767}, {-32768.5, -32768},
        {32767.5, kOverflows}, {-32769.0, kOverflows},
        {std::numeric_limits<double>::infinity(), kOverflows}};
    // clang-format on
    for (const auto& [value, expected] : to16) {
        EXPECT_EQ(outcome([v = value] { return roundToInt16(v); }), expected) << value;
    }
    EXPECT_EQ(roundToInt32(2147483646.5), 2147483646);
    EXPECT_EQ(outcome([] { return roundToInt32(2147483647.5); }), kOverflows);
    EXPECT_EQ(outcome([] { return roundToInt32(std::nan("")); }), kOverflows);
}

TEST(CheckedArray, AccessOutsideTheBoundsAndImpossibleSizesAreRuntimeErrors) {
    auto array = CheckedArray<int>::zeroed(3);
    array[2] = 7;
    EXPECT_EQ(std::vector(array.begin(), array.end()), (std::vector{0, 0, 7}));
    for (const std::int64_t index : {-1, 3}) {
        EXPECT_EQ(raisedError([&] { array[index]; }), ErrorNumber::SubscriptOutOfRange) << index;
    }
    std::array<std::uint8_t, 16> bitmap{};
    EXPECT_EQ(raisedError([&] { checkedAt(bitmap, 16); }), ErrorNumber::SubscriptOutOfRange);
    if (!testsupport::kAddressSanitizer) {  // its allocator aborts instead of throwing bad_alloc
        EXPECT_EQ(raisedError([] { CheckedArray<std::array<char, 4096>>::zeroed(1LL << 50); }),
                  ErrorNumber::OutOfMemory);
    }
}

TEST(RuntimeError, DescribesItsNumberInChineseForTheUserAndItsDetailOnlyInWhat) {
    // The viewer's tests compare the messages of 6, 9, 53 and 75, which its window shows, in full.
    const std::pair<ErrorNumber, const char*> cases[] = {
        {ErrorNumber::InvalidProcedureCall, "无效的过程调用或参数"},
        {ErrorNumber::OutOfMemory, "内存溢出"},
        {ErrorNumber::DeviceIoError, "设备 I/O 错误"},
    };
    for (const auto& [number, description] : cases) {
        EXPECT_EQ(RuntimeError(number, "detail").chineseDescription(), description);
    }
    EXPECT_STREQ(RuntimeError(ErrorNumber::FileNotFound, "/tmp/gone.bin").what(),
                 "Run-time error '53': File not found (/tmp/gone.bin)");
}

TEST(NumberText, DecimalAndUpperCaseHexInTheValuesOwnWidth) {
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {decimalText(kMin32), "-2147483648"}, {hexText(std::uint8_t{0}), "0"},
        {hexText(std::uint8_t{0xFE}), "FE"}, {hexText(I16{-1}), "FFFF"},
        {hexText(I32{1045}), "415"}, {hexText(I32{-1}), "FFFFFFFF"}, {hexText(kMin32), "80000000"},
        {hexCode(0xA5, 2), "0xA5"}, {hexCode(0x41, 4), "0x0041"}, {hexCode(0x415), "0x415"},
        {codePointText(0x41), "U+0041"}, {codePointText(0x1F600), "U+1F600"},
        {countText(1, "glyph", "glyphs"), "1 glyph"}, {countText(0, "mouse", "mice"), "0 mice"}};
    // clang-format on
    for (const auto& [actual, expected] : cases) {
        EXPECT_EQ(actual, expected);
    }
}

}  // namespace
}  // namespace runtime
