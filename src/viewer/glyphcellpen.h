#pragma once

#include <QColor>
#include <QPoint>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "runtime/checkedint.h"
#include "viewer/glyphbitmap.h"
#include "viewer/picturebox.h"

namespace viewer {

// Lays glyphs out in cells of (W + 5) x (H + 5) pixels, left to right and row by row, the first
// cell's corner at (5, 5). W and H are the header's glyph width and height; the bitmap is drawn
// 8 or 16 pixels wide and 16 high whatever they say, so small values make neighbours overlap.
// Pen positions are 16-bit and every step is checked.
class GlyphCellPen {
public:
    static constexpr std::int16_t kGap = 5;
    static constexpr int kMaxPosition = std::numeric_limits<std::int16_t>::max();

    GlyphCellPen(PictureBox& picture, std::uint8_t glyphWidth, std::uint8_t glyphHeight)
        : picture_(picture), width_(glyphWidth), height_(glyphHeight) {}

    // Sets the ink pixels of one glyph at the pen, then moves the pen to the next cell.
    template <std::size_t Entries>
    void draw(const std::array<std::uint8_t, Entries>& pixels) {
        constexpr int kColumns = Entries / bootfont::kGlyphRows;
        // When the glyph's far corner has a 16-bit position, so has every pixel of it, and the
        // per-pixel checks can go: a page sets up to 128,000 pixels.
        const bool cornerFits = x_ <= kMaxPosition - (kColumns - 1) &&
                                y_ <= kMaxPosition - (static_cast<int>(bootfont::kGlyphRows) - 1);
        if (cornerFits) {
            plot<false>(pixels);
        } else {
            plot<true>(pixels);
        }
        advance();
    }

    // The corner of the cell the next glyph is drawn in.
    QPoint position() const { return {x_, y_}; }

    // True once a wrap has moved the pen below the picture (compared as reals, as the picture's
    // size is real).
    bool belowPicture() const { return static_cast<float>(y_) > picture_.innerHeight(); }

private:
    static constexpr QRgb kInk = 0xFF000000;

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
                    picture_.setPixel(add(x_, column), add(y_, row), kInk);
                }
            }
        }
    }

    void advance() {
        using runtime::checkedAdd;
        x_ = checkedAdd(checkedAdd(x_, kGap), width_);
        if (static_cast<float>(checkedAdd(checkedAdd(x_, kGap), width_)) > picture_.innerWidth()) {
            x_ = kGap;
            y_ = checkedAdd(checkedAdd(y_, height_), kGap);
        }
    }

    PictureBox& picture_;
    std::int16_t width_;
    std::int16_t height_;
    std::int16_t x_ = kGap;
    std::int16_t y_ = kGap;
};

}  // namespace viewer
