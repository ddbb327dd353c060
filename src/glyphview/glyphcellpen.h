#pragma once

#include <QImage>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "glyphview/glyphbitmap.h"
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

    // Sets the ink pixels of one glyph at the pen, then moves the pen to the next cell.
    template <std::size_t Entries>
    void draw(const std::array<std::uint8_t, Entries>& pixels) {
        constexpr int kColumns = Entries / bootfont::kGlyphRows;
        // When the glyph's far corner has a 16-bit position, so has every pixel of it, and the
        // per-pixel checks can go: a page sets up to 128,000 pixels.
        const bool cornerFits =
            cells_.x() <= kMaxPosition - (kColumns - 1) &&
            cells_.y() <= kMaxPosition - (static_cast<int>(bootfont::kGlyphRows) - 1);
        if (cornerFits) {
            plot<false>(pixels);
        } else {
            plot<true>(pixels);
        }
        cells_.advance();
    }

    // The corner of the cell the next glyph is drawn in.
    PicturePoint position() const { return {cells_.x(), cells_.y()}; }

    bool belowPicture() const { return cells_.belowPicture(); }

private:
    template <bool Checked, std::size_t Entries>
    void plot(const std::array<std::uint8_t, Entries>& pixels) {
        constexpr int kColumns = Entries / bootfont::kGlyphRows;
        const auto add = [](std::int16_t a, int b) -> int {
            if constexpr (Checked) {
                return runtime::checkedAdd(a, static_cast<std::int16_t>(b));
            } else {
                return a + b;
            }
        };
        auto entry = pixels.begin();
        for (int row = 0; row < static_cast<int>(bootfont::kGlyphRows); ++row) {
            for (int column = 0; column < kColumns; ++column, ++entry) {
                if (*entry != kBackgroundCode) {
                    setPixel(add(cells_.x(), column), add(cells_.y(), row));
                }
            }
        }
    }

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
