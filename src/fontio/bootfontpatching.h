#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "bootfont/bitmapreplacement.h"
#include "bootfont/characterset.h"
#include "bootfont/fontfile.h"
#include "fontio/glyphsource.h"

namespace fontio {

// Which glyphs of a font may be changed: by table, code (one byte, or lead << 8 | trail) and
// character.
using GlyphSelection =
    std::function<bool(bootfont::GlyphTable table, std::uint16_t code, char32_t character)>;

// New bitmaps for a boot font's glyphs from source fonts, and what could not be taken as it was.
struct PatchedGlyphs {
    std::vector<bootfont::BitmapChange> changes;  // only bitmaps that differ from the font's
    std::int64_t fitted = 0;                      // source glyphs centred or cut to fit their cell
    bootfont::CharacterCode firstFitted;          // the first of them
};

// For each glyph of `font` that `selected` takes, the glyph of its character (FontFile::
// glyphCharacter: the record's Unicode value, else its code's character in the font's code page)
// from the first source that has one (GlyphSource::glyphForCode, as build asks), fitted to the
// cell as build fits it. A glyph whose character is a control character or unknown is kept.
PatchedGlyphs patchGlyphs(const bootfont::FontFile& font,
                          std::span<const std::unique_ptr<GlyphSource>> sources,
                          const GlyphSelection& selected);

}  // namespace fontio
