#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "bootfont/codepage.h"
#include "bootfont/wholefont.h"

namespace cli {

// One glyph of either table, as export, find and render see it.
struct GlyphEntry {
    bootfont::GlyphTable table = bootfont::GlyphTable::Sbcs;
    std::size_t index = 0;
    std::uint16_t code = 0;                // one byte, or lead byte << 8 | trail byte
    std::optional<char32_t> unicode;       // bootfont::glyphUnicode
    int width = 8;                         // of the bitmap: 8 or 16 pixels
    std::span<const std::uint8_t> bitmap;  // 16 rows of width / 8 bytes, into the font

    int codeDigits() const { return bootfont::codeDigits(table); }
};

// Every glyph read from the file, the single-byte table first; valid while `font` lives.
std::vector<GlyphEntry> glyphEntries(const bootfont::WholeFont& font,
                                     const bootfont::CodePage* codePage);

}  // namespace cli
