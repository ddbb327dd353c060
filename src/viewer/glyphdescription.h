#pragma once

#include <QString>
#include <cstdint>
#include <span>

#include "viewer/glyphlayout.h"

namespace bootfont {
class CodePage;
}

namespace viewer {

// What the picture says of one glyph, for its tooltip and for screen readers: the glyph's index
// in its table and its place in the picture, its code as the file stores it (one byte, or two in
// file order) and the Unicode character. The character is the one the record carries when it
// carries one other than 0, otherwise the code's character in `codePage` (null when the font's
// language has none we know); the text says when neither gives one.
QString glyphDescription(const GlyphSpot& spot, std::span<const std::uint8_t> code,
                         std::uint16_t recordUnicode, const bootfont::CodePage* codePage);

}  // namespace viewer
