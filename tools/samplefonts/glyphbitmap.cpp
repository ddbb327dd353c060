#include "samplefonts/glyphbitmap.h"

#include <stdexcept>

namespace samplefonts {
namespace {

constexpr int kNarrow = 8;
constexpr int kWide = 16;
constexpr int kCentringShift = (kWide - kNarrow) / 2;

}  // namespace

std::array<std::uint8_t, bootfont::kGlyphRows> sbcsBitmap(const UnifontGlyph& glyph) {
    if (glyph.width != kNarrow) {
        throw std::invalid_argument("a " + std::to_string(glyph.width) +
                                    "-pixel glyph does not fit a single-byte cell");
    }
    std::array<std::uint8_t, bootfont::kGlyphRows> bitmap{};
    for (std::size_t row = 0; row < bitmap.size(); ++row) {
        bitmap[row] = static_cast<std::uint8_t>(glyph.rows[row]);
    }
    return bitmap;
}

std::array<std::uint8_t, 2 * bootfont::kGlyphRows> dbcsBitmap(const UnifontGlyph& glyph) {
    if (glyph.width != kNarrow && glyph.width != kWide) {
        throw std::invalid_argument("a glyph " + std::to_string(glyph.width) + " pixels wide");
    }
    const int shift = glyph.width == kNarrow ? kCentringShift : 0;
    std::array<std::uint8_t, 2 * bootfont::kGlyphRows> bitmap{};
    for (std::size_t row = 0; row < bootfont::kGlyphRows; ++row) {
        const unsigned pixels = static_cast<unsigned>(glyph.rows[row]) << shift;
        bitmap[2 * row] = static_cast<std::uint8_t>(pixels >> 8);
        bitmap[2 * row + 1] = static_cast<std::uint8_t>(pixels);
    }
    return bitmap;
}

}  // namespace samplefonts
