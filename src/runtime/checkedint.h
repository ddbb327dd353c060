#pragma once

#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "runtime/runtimeerror.h"

// Integer arithmetic with the system's semantics: 16-bit counters and 32-bit header values that
// raise the overflow error instead of wrapping, and reals that become integers by rounding half
// to even.
namespace runtime {

template <typename T>
concept CheckedInteger = std::same_as<T, std::int16_t> || std::same_as<T, std::int32_t>;

template <CheckedInteger T>
T checkedAdd(T a, T b) {
    T result;
    if (__builtin_add_overflow(a, b, &result)) {
        raise(ErrorNumber::Overflow, std::to_string(a) + " + " + std::to_string(b));
    }
    return result;
}

template <CheckedInteger T>
T checkedSub(T a, T b) {
    T result;
    if (__builtin_sub_overflow(a, b, &result)) {
        raise(ErrorNumber::Overflow, std::to_string(a) + " - " + std::to_string(b));
    }
    return result;
}

template <CheckedInteger T>
void checkedIncrement(T& value) {
    value = checkedAdd(value, T{1});
}

// Any integer into a 16- or 32-bit one; a value outside the target's range is an overflow.
template <CheckedInteger To, std::integral From>
To narrowTo(From value) {
    if (!std::in_range<To>(value)) {
        raise(ErrorNumber::Overflow, std::to_string(value) + " does not fit");
    }
    return static_cast<To>(value);
}

inline std::int16_t toInt16(std::integral auto value) {
    return narrowTo<std::int16_t>(value);
}
inline std::int32_t toInt32(std::integral auto value) {
    return narrowTo<std::int32_t>(value);
}

// Nearest whole number, ties to the even neighbour (14.5 -> 14, 15.5 -> 16, -2.5 -> -2),
// independent of the floating-point environment's rounding mode.
inline double roundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5) {
        return below;
    }
    if (fraction > 0.5) {
        return below + 1.0;
    }
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

template <CheckedInteger To>
To roundTo(double value) {
    const double rounded = roundHalfToEven(value);
    // NaN fails both comparisons' negation, so it is an overflow too.
    if (!(rounded >= std::numeric_limits<To>::min() && rounded <= std::numeric_limits<To>::max())) {
        raise(ErrorNumber::Overflow, std::to_string(value) + " does not fit");
    }
    return static_cast<To>(rounded);
}

inline std::int16_t roundToInt16(double value) {
    return roundTo<std::int16_t>(value);
}
inline std::int32_t roundToInt32(double value) {
    return roundTo<std::int32_t>(value);
}

}  // namespace runtime
