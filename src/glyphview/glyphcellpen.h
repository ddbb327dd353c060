#pragma once

#include <QImage>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "glyphview/bitmapplotter.h"
#include "glyphview/glyphcells.h"
#include "glyphview/glyphlayout.h"
#include "runtime/checkedint.h"

namespace glyphview {

// Draws glyphs into a 32-bit image, one per cell of GlyphCells over the image's size. The bitmap
// is drawn 8 or 16 pixels wide and 16 high whatever the header's width and height say, so small
// values make neighbours overlap; pixels off the image are clipped.
class GlyphCellPen {
public:
    static constexpr std::int16_t kGap = GlyphCells::kGap;
    static constexpr int kMaxPosition = std::numeric_limits<std::int16_t>::max();

    // `image` is Format_RGB32 or ARGB32 and outlives the pen.
    GlyphCellPen(QImage& image, QRgb ink, std::uint8_t glyphWidth, std::uint8_t glyphHeight)
        : cells_(glyphWidth, glyphHeight, image.width(), image.height()),
          ink_(ink),
          width_(image.width()),
          height_(image.height()),
          pixels_(reinterpret_cast<QRgb*>(image.bits())),
          stride_(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb))) {}

    // Sets the ink pixels of one glyph's bitmap (8 or 16 pixels wide, bitmapplotter.h) at the pen,
    // then moves the pen to the next cell.
    template <std::size_t Bytes>
    void draw(const std::array<std::uint8_t, Bytes>& bitmap) {
        constexpr int kColumns = static_cast<int>(Bytes * 8 / bootfont::kGlyphRows);
        constexpr int kRows = static_cast<int>(bootfont::kGlyphRows);
        const int x = cells_.x();
        const int y = cells_.y();
        // When the glyph's far corner has a 16-bit position, so has every pixel of it, and the
        // plotter clips to the image; otherwise each ink pixel's position is a checked 16-bit sum,
        // which raises the overflow error at the first that passes 32767.
        if (x <= kMaxPosition - (kColumns - 1) && y <= kMaxPosition - (kRows - 1)) {
            plotBitmap(bitmap, kColumns, x, y, width_, height_, [this](int px, int py) {
                pixels_[static_cast<qsizetype>(py) * stride_ + px] = ink_;
            });
        } else {
            plotBitmap(bitmap, kColumns, 0, 0, kColumns, kRows, [this](int column, int row) {
                setPixel(runtime::checkedAdd(cells_.x(), static_cast<std::int16_t>(column)),
                         runtime::checkedAdd(cells_.y(), static_cast<std::int16_t>(row)));
            });
        }
        cells_.advance();
    }

    // The corner of the cell the next glyph is drawn in.
    PicturePoint position() const { return {cells_.x(), cells_.y()}; }

    bool belowPicture() const { return cells_.belowPicture(); }

private:
    void setPixel(int x, int y) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) {
            pixels_[static_cast<qsizetype>(y) * stride_ + x] = ink_;
        }
    }

    GlyphCells cells_;
    QRgb ink_;
    // The image's size and pixels, kept at hand: a page sets up to 128,000 pixels.
    int width_;
    int height_;
    QRgb* pixels_;
    qsizetype stride_;  // pixels per image line
};

}  // namespace glyphview
