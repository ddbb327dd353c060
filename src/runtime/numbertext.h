#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <type_traits>

// The system's number texts: no padding, grouping or leading space.
namespace runtime {

std::string decimalText(std::int64_t value);

// Upper-case hexadecimal digits without leading zeros of the value's bit pattern in its own
// width, so a negative value reads as its two's complement (int32 -1 -> "FFFFFFFF").
std::string hexDigits(std::uint64_t bits);

template <std::integral T>
std::string hexText(T value) {
    return hexDigits(static_cast<std::make_unsigned_t<T>>(value));
}

}  // namespace runtime
