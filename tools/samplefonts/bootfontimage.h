#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "bootfont/bootfontrecords.h"
#include "samplefonts/samplefontdefinition.h"

namespace samplefonts {

// The most records a table may hold: the viewer counts them with a signed 16-bit index.
inline constexpr std::size_t kMaxTableRecords = 32767;

// The bytes of a boot font file: the 49-byte header, the SBCS records right after it and the DBCS
// records right after those. The header holds the language, both counts and offsets, each total
// size as count times record size, the lead ranges as first and last byte each ended by 00 00,
// and glyphs 16 rows high, 8 and 16 pixels wide, without padding rows. More than five lead ranges
// or more than kMaxTableRecords records in a table are an error.
std::vector<std::uint8_t> encodeBootFont(std::int32_t languageId,
                                         std::span<const ByteRange> leadRanges,
                                         std::span<const bootfont::SbcsGlyphRecord> sbcs,
                                         std::span<const bootfont::DbcsGlyphRecord> dbcs);

}  // namespace samplefonts
