#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "bootfont/bootfontrecords.h"

namespace bootfont {

// What a boot font holds besides its layout: the language, the pads and the glyphs. Each record's
// Trailer is the glyph's Unicode value as the file stores it (little-endian; 0 for none).
struct BootFontContents {
    std::int32_t languageId = 0;
    std::uint8_t topPad = 0;
    std::uint8_t bottomPad = 0;
    std::vector<SbcsGlyphRecord> sbcs;
    std::vector<DbcsGlyphRecord> dbcs;
};

// The file as real boot fonts lay it out: the 49-byte header, then the single-byte records of 19
// bytes and the double-byte records of 36 bytes, each with its Unicode value, codes ascending;
// glyphs 16 rows high, 8 and 16 pixels wide. The lead-byte table holds the ranges of the codes'
// lead bytes; when they are more than kMaxDbcsRange, ranges are joined across lead bytes of the
// language's code page (joinLeadRanges). Raises BootFontError (invalid argument) with the reason
// for codes that are not ascending or repeat, more than kMaxDbcsRange lead ranges that cannot be
// joined (naming them) and tables too large for the header's 32-bit fields.
std::vector<std::uint8_t> writeBootFont(const BootFontContents& contents);

}  // namespace bootfont
