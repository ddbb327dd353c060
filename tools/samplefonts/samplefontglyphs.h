#pragma once

#include <cstddef>
#include <vector>

#include "bootfont/bootfontrecords.h"
#include "samplefonts/codepage.h"
#include "samplefonts/samplefontdefinition.h"
#include "samplefonts/unifonthex.h"

namespace samplefonts {

// The glyph records of one sample font, each table in ascending code order.
struct SampleFontGlyphs {
    std::vector<bootfont::SbcsGlyphRecord> sbcs;
    std::vector<bootfont::DbcsGlyphRecord> dbcs;
    // Double-byte codes that the code page maps to a character Unifont does not draw.
    std::size_t withoutGlyph = 0;
};

// Every single-byte code of the definition must map to a character that Unifont draws 8 pixels
// wide; anything else is an error. A double-byte code is taken when the code page maps it to one
// character and Unifont draws that character, and skipped otherwise.
SampleFontGlyphs collectGlyphs(const SampleFontDefinition& definition, CodePage& codePage,
                               const UnifontHex& unifont);

}  // namespace samplefonts
