#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "bootfont/headerfields.h"
#include "bootfont/wholefont.h"

namespace bootfont {

// How a glyph differs between an old and a new font.
enum class GlyphChange { OnlyInOld, OnlyInNew, Changed };

// One glyph that differs, matched by table and code. The indexes are into the fonts' records of
// that table (sbcsGlyphs or dbcsGlyphs); a glyph only in one font has only that font's index.
struct GlyphDifference {
    GlyphTable table = GlyphTable::Sbcs;
    std::uint16_t code = 0;  // one byte, or lead << 8 | trail
    GlyphChange change = GlyphChange::Changed;
    std::size_t oldIndex = 0;
    std::size_t newIndex = 0;
    bool bitmapChanged = false;
    bool unicodeChanged = false;  // the Unicode value the records store
};

// What differs between two fonts read whole: the header fields, then the glyphs only in the old
// font, only in the new one, and in both but changed, each group by table (single-byte first) and
// code. Only the records each file holds are compared: a table cut short by the end of its file
// compares its whole records (its TableExtent tells how many).
struct FontDifference {
    std::vector<const HeaderField*> headerFields;  // into kHeaderFields, in its order
    std::vector<GlyphDifference> glyphs;

    bool same() const { return headerFields.empty() && glyphs.empty(); }
    std::size_t count(GlyphChange change) const;
};

// Glyphs are matched by table and code; a code that repeats within a table is matched occurrence
// by occurrence, first with first.
FontDifference compareFonts(const WholeFont& oldFont, const WholeFont& newFont);

}  // namespace bootfont
