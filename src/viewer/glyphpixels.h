#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The pixels of one glyph as the glyph editor changes them, over the record's bitmap bytes: 16
// rows of width / 8 bytes, the most significant bit leftmost. Every change stays within the area
// of `columns` x `rows` pixels from the top left, the glyph's size as the header declares it;
// the bits outside it keep their values.
class GlyphPixels {
public:
    // `width` is the table's bitmap width, 8 or 16; `columns` and `rows` are held to 1..width and
    // 1..16. Raises the invalid-argument error for a bitmap of another size than 16 rows of that
    // width.
    GlyphPixels(std::vector<std::uint8_t> bitmap, int width, int columns, int rows);

    int width() const { return width_; }
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    const std::vector<std::uint8_t>& bitmap() const { return bitmap_; }

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < columns_ && y < rows_; }
    // False outside the area.
    bool pixel(int x, int y) const;
    // Outside the area nothing changes.
    void setPixel(int x, int y, bool on);

    // The area's pixels moved one step (dx, dy in -1..1), blank coming in at the far side.
    void shift(int dx, int dy);
    // The area mirrored left to right.
    void flipLeftRight();
    void invert();
    void clear();
    // The area's pixels taken from `other`, a bitmap of the same size.
    void copyArea(std::span<const std::uint8_t> other);

private:
    // Sets every pixel of the area to `value(x, y)`, worked out from the pixels before the change.
    template <typename Value>
    void remap(Value value);

    std::vector<std::uint8_t> bitmap_;
    int width_;
    int columns_;
    int rows_;
};
