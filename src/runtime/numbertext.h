#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

// The system's number texts: no padding, grouping or leading space unless asked for.
namespace runtime {

std::string decimalText(std::int64_t value);

// Upper-case hexadecimal digits without leading zeros of the value's bit pattern in its own
// width, so a negative value reads as its two's complement (int32 -1 -> "FFFFFFFF").
std::string hexDigits(std::uint64_t bits);

template <std::integral T>
std::string hexText(T value) {
    return hexDigits(static_cast<std::make_unsigned_t<T>>(value));
}

// "0x" and at least `digits` upper-case hex digits: hexCode(0xA5, 2) is "0xA5", (0x41, 4)
// "0x0041", (0x415) "0x415". How codes, offsets and ids are written in messages.
std::string hexCode(std::uint64_t value, int digits = 0);

// A Unicode code point as "U+" and at least four hex digits: "U+4E2D", "U+0041", "U+1F600".
std::string codePointText(char32_t value);

// Appends the two upper-case hex digits of `value`: bitmaps are written thousands of rows at once.
inline void appendHexByte(std::string& out, std::uint8_t value) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    out += kDigits[value >> 4];
    out += kDigits[value & 0xF];
}

namespace detail {
inline constexpr auto kHexDigitValues = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (int i = 0; i < 10; ++i) {
        values[static_cast<std::size_t>('0' + i)] = static_cast<std::int8_t>(i);
    }
    for (int i = 0; i < 6; ++i) {
        values[static_cast<std::size_t>('A' + i)] = static_cast<std::int8_t>(10 + i);
        values[static_cast<std::size_t>('a' + i)] = static_cast<std::int8_t>(10 + i);
    }
    return values;
}();
}  // namespace detail

// The value of a hex digit of either case, -1 for any other byte; a look-up, as .hex files are
// millions of digits.
inline int hexDigitValue(char c) {
    return detail::kHexDigitValues[static_cast<unsigned char>(c)];
}

// "1 record", "2 records", "0 records": the count and the noun, in the singular for one.
std::string countText(std::int64_t count, std::string_view singular, std::string_view plural);

}  // namespace runtime
