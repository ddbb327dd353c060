#pragma once

#include <QImage>
#include <cstdint>
#include <span>

#include "bootfont/bootfontrecords.h"
#include "glyphview/glyphlayout.h"

// The drawing of the glyph picture, on any 32-bit image: the window draws into its picture box's
// image, the bootfont command into an image it saves. Needs Qt Gui only.
namespace glyphview {

// Which glyphs one drawing shows and how the header sizes their cells.
struct GlyphRange {
    std::int16_t first = 0;  // index of the first glyph drawn
    std::int32_t count = 0;  // the header's count of the table
    std::uint8_t width = 0;  // the header's glyph width and height
    std::uint8_t height = 0;
};

// Fills `image` (Format_RGB32) with `background`, then draws glyphs[first] onwards in black, cell
// by cell, until the last glyph of a table of `count` is drawn or a wrap moves the pen below the
// image. The last index is 16-bit, so a count above 32767 raises the overflow error after the
// filling, and a glyph past the end of `glyphs` raises the subscript error. `shown` learns each
// glyph's place as it is drawn, also when an error ends the drawing.
void drawGlyphs(QImage& image, QRgb background, GlyphLayout& shown,
                std::span<const bootfont::SbcsGlyphRecord> glyphs, const GlyphRange& range);
void drawGlyphs(QImage& image, QRgb background, GlyphLayout& shown,
                std::span<const bootfont::DbcsGlyphRecord> glyphs, const GlyphRange& range);

// Draws one glyph of a drawing again, as an edit left it: its box (GlyphSpot::box, a whole
// bitmap's size) filled with `background`, then the bitmap's ink (16 rows of 8 or 16 pixels).
void redrawGlyph(QImage& image, QRgb background, const PictureRect& box,
                 std::span<const std::uint8_t> bitmap);

// One glyph drawn large, as the window's tooltip shows it: each glyph pixel a square of
// kMagnification x kMagnification pixels, black ink on white, with light grey lines between the
// squares. The picture covers the glyph's cell as the header sizes it (`width` x `height`), and at
// least its bitmap; a cell of more than 32 pixels a side gets smaller squares, the largest whole
// size that keeps the picture within kMagnifiedLimit a side. Format_Indexed8.
inline constexpr int kMagnification = 8;
inline constexpr int kMagnifiedLimit = 256;
QImage magnifiedGlyph(const bootfont::SbcsGlyphRecord& glyph, std::uint8_t width,
                      std::uint8_t height);
QImage magnifiedGlyph(const bootfont::DbcsGlyphRecord& glyph, std::uint8_t width,
                      std::uint8_t height);

}  // namespace glyphview
