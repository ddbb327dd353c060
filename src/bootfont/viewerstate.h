#pragma once

#include <cstdint>

#include "bootfont/bootfontrecords.h"
#include "runtime/checkedarray.h"

namespace bootfont {

// What the window knows of the fonts it has read: the header of the last file whose header was
// read (accepted or not) and the glyph tables of the last loads that read them. A table is only
// replaced by a load that reads it, so after a file without one table the earlier file's records
// stay. Every glyph is fetched with a checked index, so drawing from a header and a table of
// different files (possible after a load that stopped with an error) never reads past the table.
struct ViewerState {
    BootFontHeader Header;
    runtime::CheckedArray<SbcsGlyphRecord> SbcsGlyphs;
    runtime::CheckedArray<DbcsGlyphRecord> DbcsGlyphs;
    // Index of the first double-byte glyph of the page on show.
    std::int16_t PageStart = 0;
    // Glyphs per page step; set once when the window loads.
    std::int16_t PageSize = 0;
};

}  // namespace bootfont
