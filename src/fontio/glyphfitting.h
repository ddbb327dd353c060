#pragma once

#include <array>
#include <cstdint>

#include "fontio/glyphsource.h"

namespace fontio {

// A glyph in a boot font's cell: 16 rows of `width` / 8 bytes.
struct FittedGlyph {
    std::array<std::uint8_t, 32> bitmap{};
    // The source glyph had another width, or ink outside the cell: it was centred or cut.
    bool fitted = false;
};

// Places `glyph` in a cell 16 rows high and `width` (8 or 16) pixels wide: its baseline on the
// cell's, its advance centred when it is not the cell's width, and whatever falls outside cut.
FittedGlyph fitGlyph(const SourceGlyph& glyph, int width);

}  // namespace fontio
