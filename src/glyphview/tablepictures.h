#pragma once

#include <QImage>
#include <cstdint>

#include "bootfont/wholefont.h"

// The bootfont command's two-colour pictures of a font's tables (twocolourpicture.h).
namespace glyphview {

// The window's picture of `table` from glyph `first`, drawn by the window's own drawing
// (drawGlyphs) over the records the window would hold: the file's, then zero records up to the
// header's count, as its loader reads zeros past the end of a file. The table is present and
// holds at most bootfont::kViewerTableLimit glyphs.
QImage viewPicture(const bootfont::WholeFont& font, bootfont::GlyphTable table, std::int16_t first);

// The sheet: 16 glyphs a row in cells of 18 x 18 pixels, the single-byte table's rows first, a
// blank row, then the double-byte table's; left of each row the code of its first glyph as a
// label (drawLabel).
QImage sheetPicture(const bootfont::WholeFont& font);

}  // namespace glyphview
