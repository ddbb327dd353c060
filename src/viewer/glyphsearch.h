#pragma once

#include <QString>
#include <optional>

#include "bootfont/bootfontrecords.h"
#include "bootfont/loadedfont.h"

namespace bootfont {
class CodePage;
}

// Finding a glyph of the font on show by its character or by its code.
namespace viewer {

// What the find dialog asks for: a character (its Unicode value), or a code as the file stores it.
struct GlyphQuery {
    enum class Kind { Character, Code };
    Kind kind = Kind::Character;
    char32_t value = 0;

    friend bool operator==(const GlyphQuery&, const GlyphQuery&) = default;
};

// "中" (one character), "U+4E2D" (a Unicode value) or "0xD6D0" and "D6D0" (a code of at most four
// hex digits); spaces around it do not count. nullopt for anything else. A lone hex digit such as
// "A" is the character: a code of one digit is written "0xA".
std::optional<GlyphQuery> parseGlyphQuery(const QString& text);

// One glyph of the font: its table and its index there.
struct GlyphPlace {
    bootfont::GlyphTable table = bootfont::GlyphTable::Sbcs;
    int index = 0;

    friend bool operator==(const GlyphPlace&, const GlyphPlace&) = default;
};

// The first glyph after `after` (from the first glyph when none) that matches `query`, going
// through the single-byte table and then the double-byte one, and from the first glyph again
// after the last; nullopt when none matches. A glyph matches a character when
// bootfont::glyphUnicode gives it that character (through `codePage`, null when the font's
// language has none known here), a code when its code is that number. Only the glyphs of the file
// on show count: a table its header leaves out, or the part of an earlier file's table past the
// header's count, has none.
std::optional<GlyphPlace> findGlyph(const bootfont::LoadedFont& font,
                                    const bootfont::CodePage* codePage, const GlyphQuery& query,
                                    std::optional<GlyphPlace> after);

}  // namespace viewer
