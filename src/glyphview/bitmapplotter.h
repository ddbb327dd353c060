#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

#include "bootfont/bootfontrecords.h"

namespace glyphview {

// The one bitmap plotter of every picture of glyphs: the window's views, the command's sheets,
// text lines, diff pairs and the boot screen. A bitmap is a glyph's as the file stores it: 16 rows
// of `width` pixels (8 or 16), width / 8 bytes a row, the most significant bit leftmost.
//
// Calls ink(x + column, y + row) for each ink pixel of `bitmap` with its corner at (x, y) that
// falls inside the area from (0, 0) to (areaWidth, areaHeight), row by row from the top, each row
// from the left. The area is clipped once, before the rows: a page sets up to 128,000 pixels.
template <typename Ink>
void plotBitmap(std::span<const std::uint8_t> bitmap, int width, int x, int y, int areaWidth,
                int areaHeight, Ink&& ink) {
    constexpr int kRows = static_cast<int>(bootfont::kGlyphRows);
    const int bytesPerRow = width / 8;
    const int firstRow = std::max(0, -y);
    const int endRow = std::min(kRows, areaHeight - y);
    const int firstColumn = std::max(0, -x);
    const int endColumn = std::min(width, areaWidth - x);
    for (int row = firstRow; row < endRow; ++row) {
        const std::uint8_t* bits = bitmap.data() + row * bytesPerRow;
        for (int column = firstColumn; column < endColumn; ++column) {
            if ((bits[column >> 3] >> (7 - (column & 7)) & 1) != 0) {
                ink(x + column, y + row);
            }
        }
    }
}

}  // namespace glyphview
