#pragma once

#include <cstdint>

#include "runtime/checkedint.h"

namespace glyphview {

// The cells the picture lays glyphs out in: (W + 5) x (H + 5) pixels, left to right and row by
// row, the first cell's corner at (5, 5); a row wraps when the next cell would pass the right
// edge. W and H are the header's glyph width and height. Positions are 16-bit and every step is
// checked. Qt-free, so the bootfont command places glyphs exactly where the window draws them.
class GlyphCells {
public:
    static constexpr std::int16_t kGap = 5;

    GlyphCells(std::uint8_t glyphWidth, std::uint8_t glyphHeight, int pictureWidth,
               int pictureHeight)
        : width_(glyphWidth),
          height_(glyphHeight),
          pictureWidth_(static_cast<float>(pictureWidth)),
          pictureHeight_(static_cast<float>(pictureHeight)) {}

    // The corner of the current cell, and its row and column from 0.
    std::int16_t x() const { return x_; }
    std::int16_t y() const { return y_; }
    int row() const { return row_; }
    int column() const { return column_; }

    // Moves to the next cell.
    void advance() {
        using runtime::checkedAdd;
        x_ = checkedAdd(checkedAdd(x_, kGap), width_);
        ++column_;
        if (static_cast<float>(checkedAdd(checkedAdd(x_, kGap), width_)) > pictureWidth_) {
            x_ = kGap;
            y_ = checkedAdd(checkedAdd(y_, height_), kGap);
            column_ = 0;
            ++row_;
        }
    }

    // True once a wrap has moved the cell below the picture, where the drawing stops (compared as
    // reals, as the picture's size is real).
    bool belowPicture() const { return static_cast<float>(y_) > pictureHeight_; }

private:
    std::int16_t width_;
    std::int16_t height_;
    float pictureWidth_;
    float pictureHeight_;
    std::int16_t x_ = kGap;
    std::int16_t y_ = kGap;
    int row_ = 0;
    int column_ = 0;
};

}  // namespace glyphview
