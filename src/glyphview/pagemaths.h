#pragma once

#include <cstdint>

// The pages of double-byte glyphs and the picture the views are drawn in, as the viewer shows
// them and the bootfont command names and draws them.
namespace glyphview {

// Double-byte glyphs per page, both for the page step and for counting pages.
inline constexpr std::int16_t kGlyphsPerPage = 500;

// The picture the views are drawn in, in pixels: 25 rows of 20 double-byte glyphs of 16 x 16
// pixels in cells 5 pixels apart, the page of 500 glyphs.
inline constexpr int kViewWidth = 540;
inline constexpr int kViewHeight = 421;

// The pages needed for `numDbcsChars` glyphs, 500 a page: 0 for none, 7100 -> 15. Raises the
// overflow error when that is more than 32767.
std::int16_t dbcsPageCount(std::int32_t numDbcsChars);

// The number of the page that starts at glyph `pageStart` (a multiple of 500), from 1.
std::int16_t dbcsPageNumber(std::int16_t pageStart);

}  // namespace glyphview
