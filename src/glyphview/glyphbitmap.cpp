#include "glyphview/glyphbitmap.h"

#include <span>

namespace glyphview {
namespace {

// Both decoders write byte j's bits into entries 8j to 8j + 7. Bits are tested directly rather
// than through ByteToBin's text: the codes are the same, made without a text per byte. (The
// views plot bitmaps straight from their bytes, bitmapplotter.h; the magnified glyph decodes.)
void decodeBits(std::span<std::uint8_t> pixels, std::span<const std::uint8_t> bitmap) {
    auto out = pixels.begin();
    for (const std::uint8_t byte : bitmap) {
        for (int bit = 7; bit >= 0; --bit) {
            *out++ = ((byte >> bit) & 1) != 0 ? kInkCode : kBackgroundCode;
        }
    }
}

}  // namespace

std::string ByteToBin(std::uint8_t value) {
    std::string digits;
    for (unsigned v = value; v != 0; v /= 2) {
        digits.insert(digits.begin(), v % 2 == 1 ? '1' : '0');
    }
    digits.insert(digits.begin(), 8 - digits.size(), '0');
    return digits;
}

void GetPixelFromByteArraySBCS(SbcsPixelString& pixels,
                               const std::array<std::uint8_t, bootfont::kGlyphRows>& bitmap) {
    decodeBits(pixels, bitmap);
}

void GetPixelFromByteArrayDBCS(DbcsPixelString& pixels,
                               const std::array<std::uint8_t, 2 * bootfont::kGlyphRows>& bitmap) {
    decodeBits(pixels, bitmap);
}

}  // namespace glyphview
