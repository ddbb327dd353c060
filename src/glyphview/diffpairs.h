#pragma once

#include <QImage>
#include <span>

#include "bootfont/fontdiff.h"
#include "bootfont/wholefont.h"

namespace glyphview {

// The picture of changed glyphs, two colours (twocolourpicture.h): each glyph as its old and new
// bitmap side by side, a line between them, labelled with its code; 8 pairs a row, and a blank
// pair's room when there are none.
QImage diffPairsPicture(const bootfont::WholeFont& oldFont, const bootfont::WholeFont& newFont,
                        std::span<const bootfont::GlyphDifference> changed);

}  // namespace glyphview
