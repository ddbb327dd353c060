#pragma once

#include <array>
#include <cstdint>

#include "bootfont/bootfontrecords.h"
#include "samplefonts/unifonthex.h"

// Unifont glyphs as the bitmaps of boot font records: 16 rows, most significant bit leftmost.
namespace samplefonts {

// An 8-pixel glyph as the 16 bytes of a single-byte record. A 16-pixel glyph does not fit and is
// an error.
std::array<std::uint8_t, bootfont::kGlyphRows> sbcsBitmap(const UnifontGlyph& glyph);

// A glyph as the 32 bytes of a double-byte record, two per row, left half first. An 8-pixel glyph
// (a Greek or Cyrillic letter, say) is centred in the 16-pixel cell: 4 blank columns either side.
std::array<std::uint8_t, 2 * bootfont::kGlyphRows> dbcsBitmap(const UnifontGlyph& glyph);

}  // namespace samplefonts
