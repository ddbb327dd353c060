#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "fontio/exportglyph.h"

namespace fontio {

// What a BDF 2.1 font says of itself besides its glyphs.
struct BdfFont {
    // Glyphs keyed by Unicode (ISO10646-1), or by the boot font's own codes with the X charset of
    // its code page (bdfNativeCharset).
    bool native = false;
    std::string registry = "ISO10646";
    std::string encoding = "1";
    // The boot font's metrics: rows above the glyph, its height, rows below it.
    int topPad = 0;
    int height = 16;
    int bottomPad = 0;
};

// The X registry and encoding of a code page's codes: GBK-0, BIG5-0, MICROSOFT-CP932,
// IBM-CP852, ...; BOOTFONT-NATIVE without a code page.
std::pair<std::string, std::string> bdfNativeCharset(std::optional<int> codePage);

// The font as BDF 2.1, the format bitmap font editors (FontForge, gbdfed) and FreeType read: each
// glyph 16 rows on a baseline with two rows below it, named U+XXXX (or 0xXXXX when native).
std::string bdfText(const BdfFont& font, std::span<const ExportGlyph> glyphs);

// GNU Unifont's .hex: a line per glyph, its key in hex digits, a colon and its rows' hex digits.
std::string unifontHexText(std::span<const ExportGlyph> glyphs);

}  // namespace fontio
