#pragma once

#include <cstdint>

#include "bootfont/loadedfont.h"

namespace viewer {

// The window's state: what it has read of boot fonts, and the double-byte page on show.
struct ViewerState : bootfont::LoadedFont {
    // Index of the first double-byte glyph of the page on show.
    std::int16_t PageStart = 0;
    // Glyphs per page step; set once when the window loads.
    std::int16_t PageSize = 0;
};

}  // namespace viewer
