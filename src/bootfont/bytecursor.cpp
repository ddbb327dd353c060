#include "bootfont/bytecursor.h"

namespace bootfont {

std::int32_t ByteCursor::i32le() {
    const std::uint8_t* b = take(4);
    const std::uint32_t bits = std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 |
                               std::uint32_t{b[2]} << 16 | std::uint32_t{b[3]} << 24;
    // Two's complement by definition since C++20, so this conversion is exact.
    return static_cast<std::int32_t>(bits);
}

}  // namespace bootfont
