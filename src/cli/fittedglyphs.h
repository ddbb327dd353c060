#pragma once

#include <cstdint>
#include <string>

#include "bootfont/characterset.h"

namespace cli {

// Source glyphs that were not the size of their cell, counted on standard error: "NAME: 2 glyphs
// are not the size of their cell (the first: 0xA6C1 (U+03B1)); they were centred or cut to fit".
// With `strict` (--strict) it fails with status 2 instead. Nothing is said of none.
void reportFittedGlyphs(const std::string& name, std::int64_t fitted,
                        const bootfont::CharacterCode& first, bool strict);

}  // namespace cli
