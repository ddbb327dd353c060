#pragma once

#include <QString>

#include "bootfont/bootfontrecords.h"
#include "glyphview/glyphlayout.h"

namespace bootfont {
class CodePage;
}

namespace viewer {

// What the picture says of one glyph, for its tooltip and for screen readers: the glyph's index
// in its table and its place in the picture, its code as the file stores it (one byte, or two in
// file order) and its Unicode character (bootfont::glyphUnicode: the record's, or through
// `codePage`, null when the font's language has none known here); the text says when neither
// gives one.
QString glyphDescription(const glyphview::GlyphSpot& spot, const bootfont::SbcsGlyphRecord& record,
                         const bootfont::CodePage* codePage);
QString glyphDescription(const glyphview::GlyphSpot& spot, const bootfont::DbcsGlyphRecord& record,
                         const bootfont::CodePage* codePage);

}  // namespace viewer
