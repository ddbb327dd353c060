#pragma once

#include <QImage>
#include <cstdint>
#include <span>
#include <string>

// The pictures the bootfont command saves: two-colour images, glyph bitmaps, boxes for lacking
// characters and hex labels drawn on them through the one bitmap plotter, enlarging and PNG bytes.
// Every such picture has two colours, so each is a 1-bit image (index 0 the background, 1 the
// ink): a sheet of 13,503 glyphs is 5 million pixels, and as 1-bit rows it is filtered and
// compressed about twenty times faster than as 8-bit grey. No text is drawn with fonts, so the
// output is the same on every machine. A picture that cannot be made throws PictureError.
namespace glyphview {

inline constexpr QRgb kWhite = 0xFFFFFFFF;
inline constexpr QRgb kBlack = 0xFF000000;
// The boot screen's text: light grey (the VGA's text colour 7) on black.
inline constexpr QRgb kBootGrey = 0xFFAAAAAA;

// A 1-bit image of the background colour; ink() sets pixels to the ink colour.
QImage twoColourImage(int width, int height, QRgb background, QRgb inkColour);

// The pixel at (x, y) of a 1-bit line: bits from the most significant, as in a glyph's bitmap.
inline bool inkAt(const uchar* line, int x) {
    return (line[x >> 3] >> (7 - (x & 7)) & 1) != 0;
}
inline void ink(uchar* line, int x) {
    line[x >> 3] = static_cast<uchar>(line[x >> 3] | 0x80 >> (x & 7));
}

// Sets (or, `inverted`, clears) the ink pixels of a glyph's bitmap, `width` pixels wide, with its
// corner at (x, y); whatever falls outside the image is left out.
void drawBitmap(QImage& image, int x, int y, std::span<const std::uint8_t> bitmap, int width,
                bool inverted = false);

// The outlined box that stands for a character the font lacks, one pixel inside its cell of
// `width` (8 or 16) x 16 pixels at (x, y), so neighbouring boxes stay apart.
void drawMissingBox(QImage& image, int x, int y, int width, bool inverted = false);

// A code's `digits` hex digits, each 3 x 5 pixels drawn twice as large, 8 pixels apart, from
// (x, y): a label kLabelHeight high.
inline constexpr int kLabelDigitAdvance = 8;
inline constexpr int kLabelHeight = 10;
void drawLabel(QImage& image, int x, int y, std::uint16_t code, int digits);

// The 1-bit image with each pixel made a `scale` x `scale` square.
QImage enlarged(const QImage& image, int scale);

// The image as PNG at zlib's fastest level.
std::string pngBytes(const QImage& image);

}  // namespace glyphview
