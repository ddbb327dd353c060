#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bootfont/wholefont.h"
#include "fontio/glyphsource.h"

namespace fontio {

// A boot font as a source of glyphs, so a new font can start from an existing one. Its glyphs
// are found by the Unicode values their records carry; a record that carries none is found by
// its code, when the source's language uses the new font's code page (the same code is then the
// same character). Its bitmaps are already 8 or 16 pixels wide and 16 rows high on the cell's
// baseline, so they fit their cells unchanged.
class BootFontSource : public GlyphSource {
public:
    // Reads the boot font `file`. Raises FontIoError ("FILE: reason") when it cannot be read or a
    // table runs past the end of the file (its cut glyphs would be filled from later sources,
    // unnoticed).
    explicit BootFontSource(const std::string& file);

    std::optional<SourceGlyph> glyph(char32_t character) override;
    // The record of the same table and code when it carries the code's character or carries
    // none while the code pages agree, else a record carrying the character by its value, in the
    // code's own table first. So a font that build wrote builds the same bytes again, glyph for
    // glyph even where two codes share a character.
    std::optional<SourceGlyph> glyphForCode(const bootfont::CharacterCode& code,
                                            int codePage) override;

    // Whether `start` (the first bytes of a file) begins with the boot font signature.
    static bool looksLikeBootFont(std::string_view start);

private:
    // (key, record index), sorted by key, the first record of a repeated key first.
    using Index = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

    std::optional<SourceGlyph> byUnicode(char32_t character, bool doubleByteFirst) const;
    std::optional<SourceGlyph> glyphAt(bool doubleByte, std::uint32_t index) const;
    static std::optional<std::uint32_t> find(const Index& index, std::uint32_t key);

    bootfont::WholeFont font_;
    std::optional<int> codePage_;  // of the source's language
    Index sbcsByCode_, dbcsByCode_, sbcsByUnicode_, dbcsByUnicode_;
};

}  // namespace fontio
