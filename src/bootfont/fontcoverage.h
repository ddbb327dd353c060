#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bootfont/characterset.h"
#include "bootfont/fontcheck.h"
#include "bootfont/wholefont.h"

// How much of its language's character set a font has glyphs for: the set is the one build makes
// a font of for the language (characterSet with no ranges).
namespace bootfont {

struct FontCoverage {
    std::string charset;  // iconv's name of the set ("BIG5"), as characterSet gives it
    int codePage = 0;
    std::int64_t characters = 0;         // the codes of the set
    std::int64_t covered = 0;            // of them, those the font has a glyph for
    std::int64_t outside = 0;            // the font's glyphs whose code is none of the set's
    std::vector<CharacterCode> missing;  // the set's codes without a glyph, in the set's order

    std::int64_t missingCount() const { return characters - covered; }
};

// The font's coverage of its language's set; nullopt when the language has no set known here
// (no code page, or one the C library lacks). A glyph belongs to the set by its code, single- or
// double-byte: the boot loader finds a glyph by the code of the text it shows, and build gives
// each code of the set the record of that code, so a font build makes from sources that draw every
// character covers all of its set. A record's Unicode value plays no part here (check compares it
// with the code's character). The double-byte placeholder of a single-byte language's font is no
// glyph.
std::optional<FontCoverage> fontCoverage(const WholeFont& font);

// A note when the single-byte table lacks codes of printable ASCII (0x20 to 0x7E), naming how many
// and which: a font may leave them out on purpose, but the boot screen then shows no Latin text.
// nullopt for a font without the signature or with its single-byte table cut short.
std::optional<Finding> missingAsciiNote(const WholeFont& font);

// What check and info report of a font: checkFont's findings, then missingAsciiNote's.
std::vector<Finding> checkFontAndAscii(const WholeFont& font);

}  // namespace bootfont
