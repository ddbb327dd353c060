#pragma once

#include <cstdint>
#include <span>

namespace fontio {

// One glyph as a font file is written: the number it is written under (its Unicode value, or
// its code as a boot font stores it) and its 16 rows of width / 8 bytes, most significant bit
// leftmost.
struct ExportGlyph {
    std::uint32_t key = 0;
    int codeDigits = 2;  // the hex digits of a code: 2 for single bytes, 4 for double
    int width = 8;
    std::span<const std::uint8_t> bitmap;
};

}  // namespace fontio
