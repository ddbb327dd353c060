#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bootfont/characterset.h"

namespace fontio {

// One glyph as a source font draws it: rows of pixels (most significant bit leftmost) placed
// against the pen position on the baseline.
struct SourceGlyph {
    int width = 0;  // pixels in a row
    int rows = 0;
    int pitch = 0;        // bytes from one row to the next
    int left = 0;         // columns from the pen position to the first pixel column
    int top = 0;          // rows of the bitmap above the baseline
    int advance = 0;      // the pen's advance in pixels
    int baselineRow = 0;  // the row of a 16-row cell the source's baseline lies under
    std::vector<std::uint8_t> bits;

    bool pixel(int x, int y) const {
        return (bits[static_cast<std::size_t>(y * pitch + x / 8)] >> (7 - x % 8) & 1) != 0;
    }
};

// A font that draws characters by their Unicode value.
class GlyphSource {
public:
    virtual ~GlyphSource() = default;
    // The glyph of `character`; nullopt when the font has none.
    virtual std::optional<SourceGlyph> glyph(char32_t character) = 0;
    // The glyph for `code` of a boot font whose language uses code page `codePage`: the glyph of
    // the character the code's set means, else of the code page's character when they differ
    // (JIS X 0208's yen sign at 0x5C is code page 932's backslash). A boot font as a source also
    // knows its glyphs by code.
    virtual std::optional<SourceGlyph> glyphForCode(const bootfont::CharacterCode& code,
                                                    int codePage);
};

// The source a SOURCE argument names: a boot font (by its signature), a Unifont .hex file, a font
// file FreeType reads (BDF, PCF, gzipped PCF, Windows FNT/FON, TrueType/OpenType), or the name of
// an installed font that fontconfig finds. Raises FontIoError ("SOURCE: reason") when it is none of
// them.
std::unique_ptr<GlyphSource> openGlyphSource(const std::string& source);

}  // namespace fontio
