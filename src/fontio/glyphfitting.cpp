#include "fontio/glyphfitting.h"

#include <algorithm>

#include "bootfont/bootfontrecords.h"

namespace fontio {
namespace {

constexpr int kCellRows = static_cast<int>(bootfont::kGlyphRows);

}  // namespace

FittedGlyph fitGlyph(const SourceGlyph& glyph, int width) {
    FittedGlyph out;
    out.fitted = glyph.advance != width;
    const int x0 = (width - glyph.advance) / 2 + glyph.left;
    const int y0 = glyph.baselineRow - glyph.top;
    const int bytesPerRow = width / 8;
    if (x0 == 0 && glyph.width == width && y0 >= 0 && y0 + glyph.rows <= kCellRows) {
        // A glyph the size of the cell, as nearly all of a bitmap font's are: whole rows.
        for (int y = 0; y < glyph.rows; ++y) {
            std::copy_n(glyph.bits.begin() + y * glyph.pitch, bytesPerRow,
                        out.bitmap.begin() + (y0 + y) * bytesPerRow);
        }
        return out;
    }
    for (int y = 0; y < glyph.rows; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            if (!glyph.pixel(x, y)) {
                continue;
            }
            const int cx = x0 + x;
            const int cy = y0 + y;
            if (cx < 0 || cx >= width || cy < 0 || cy >= kCellRows) {
                out.fitted = true;
                continue;
            }
            out.bitmap[static_cast<std::size_t>(cy * bytesPerRow + cx / 8)] |=
                static_cast<std::uint8_t>(0x80 >> (cx % 8));
        }
    }
    return out;
}

}  // namespace fontio
