#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "bootfont/bootfontwriter.h"
#include "bootfont/characterset.h"
#include "fontio/glyphsource.h"

namespace fontio {

// A boot font's glyphs gathered from source fonts, and what could not be taken as it was.
struct AssembledFont {
    bootfont::BootFontContents contents;  // the glyphs; language and pads are the caller's
    std::int64_t missing = 0;             // codes no source has a glyph for; left out
    std::int64_t fitted = 0;              // glyphs centred or cut to fit their cell
    bootfont::CharacterCode firstFitted;  // the first of them
};

// The glyph of each code of `set` from the first source that has one (GlyphSource::glyphForCode:
// the set's character first, then the code page's when they differ), fitted to the 8 x 16 or 16 x
// 16 cell, each record carrying its Unicode value.
AssembledFont assembleBootFont(const bootfont::CharacterSet& set,
                               std::span<const std::unique_ptr<GlyphSource>> sources);

}  // namespace fontio
