#pragma once

#include <QImage>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bootfont/wholefont.h"

// The drawing every picture of the render helper shares: two-colour images, glyph bitmaps and
// hex labels set pixel by pixel, enlarging and PNG bytes. Every picture has two colours, so each
// is a 1-bit image (index 0 the background, 1 the ink): a sheet of 13,503 glyphs is 5 million
// pixels, and as 1-bit rows it is filtered and compressed about twenty times faster than as 8-bit
// grey. No text is drawn with fonts, so the output is the same on every machine.
namespace cli {

inline constexpr QRgb kWhite = 0xFFFFFFFF;
inline constexpr QRgb kBlack = 0xFF000000;
// The boot screens' text: light grey (the VGA's text colour 7) on black.
inline constexpr QRgb kBootGrey = 0xFFAAAAAA;

// A 1-bit image of the background colour; ink() sets pixels to the ink colour. Fails with status
// 2 when the image cannot be allocated.
QImage twoColourImage(int width, int height, QRgb background, QRgb inkColour);

// The pixel at (x, y) of a 1-bit line: bits from the most significant, as in a glyph's bitmap.
inline bool inkAt(const uchar* line, int x) {
    return (line[x >> 3] >> (7 - (x & 7)) & 1) != 0;
}
inline void ink(uchar* line, int x) {
    line[x >> 3] = static_cast<uchar>(line[x >> 3] | 0x80 >> (x & 7));
}

// Sets (or, `inverted`, clears) the pixels a bitmap of 16 rows, `width` pixels each (width / 8
// bytes, the most significant bit leftmost), inks with its corner at (x, y); whatever falls
// outside the image is left out.
void plotBitmap(QImage& image, int x, int y, std::span<const std::uint8_t> bitmap, int width,
                bool inverted = false);

// The outlined box that stands for a character the font lacks, one pixel inside its cell of
// `width` x 16 pixels at (x, y), so neighbouring boxes stay apart.
void plotMissingBox(QImage& image, int x, int y, int width, bool inverted = false);

// A code's `digits` hex digits, each 3 x 5 pixels drawn twice as large, 8 pixels apart, from
// (x, y): a label kLabelHeight high.
inline constexpr int kLabelDigitAdvance = 8;
inline constexpr int kLabelHeight = 10;
void drawLabel(QImage& image, int x, int y, std::uint16_t code, int digits);

// The 1-bit image with each pixel made a K x K square.
QImage enlarged(const QImage& image, int scale);

// The image as PNG at zlib's fastest level.
std::string pngBytes(const QImage& image);

// One character of a line of text as the boot screen draws it.
struct TextCell {
    char32_t character = 0;
    int width = 8;                         // 8 for a single-byte code, 16 for a double-byte one
    std::span<const std::uint8_t> bitmap;  // empty when the font lacks the character
};

// The cells of `text` in `font`: each character's code in the code page of the font's language,
// looked up by that code alone as the boot loader does. A character the code page lacks is as
// wide as a double-byte one from U+0100 on.
std::vector<TextCell> textCells(const bootfont::WholeFont& font, const std::u32string& text);

// "the font lacks 1 of the 3 characters: 文 (U+6587)"; empty when it lacks none.
std::string lackingText(std::span<const TextCell> cells);

}  // namespace cli
