#pragma once

#include "bootfont/bootfontrecords.h"
#include "runtime/checkedarray.h"

namespace bootfont {

// What the viewer has read of boot fonts: the header of the last file whose header was read
// (accepted or not) and the glyph tables of the last loads that read them. A table is only
// replaced by a load that reads it, so after a file without one table the earlier file's records
// stay. Every glyph is fetched with a checked index, so drawing from a header and a table of
// different files (possible after a load that stopped with an error) never reads past the table.
struct LoadedFont {
    BootFontHeader Header;
    runtime::CheckedArray<SbcsGlyphRecord> SbcsGlyphs;
    runtime::CheckedArray<DbcsGlyphRecord> DbcsGlyphs;
};

}  // namespace bootfont
