#include "viewer/glyphpixels.h"

#include <algorithm>
#include <utility>

#include "bootfont/bootfontrecords.h"
#include "runtime/numbertext.h"
#include "runtime/runtimeerror.h"

namespace {

constexpr int kRows = static_cast<int>(bootfont::kGlyphRows);

bool bitAt(std::span<const std::uint8_t> bitmap, int rowBytes, int x, int y) {
    return (bitmap[static_cast<std::size_t>(y * rowBytes + x / 8)] >> (7 - x % 8) & 1) != 0;
}

}  // namespace

GlyphPixels::GlyphPixels(std::vector<std::uint8_t> bitmap, int width, int columns, int rows)
    : bitmap_(std::move(bitmap)),
      width_(width),
      columns_(std::clamp(columns, 1, std::max(width, 1))),
      rows_(std::clamp(rows, 1, kRows)) {
    if (width <= 0 || width % 8 != 0 ||
        bitmap_.size() != static_cast<std::size_t>(kRows * (width / 8))) {
        runtime::raise(runtime::ErrorNumber::InvalidProcedureCall,
                       "a glyph of " + runtime::decimalText(width) + " pixels in " +
                           runtime::decimalText(static_cast<std::int64_t>(bitmap_.size())) +
                           " bytes");
    }
}

bool GlyphPixels::pixel(int x, int y) const {
    return contains(x, y) && bitAt(bitmap_, width_ / 8, x, y);
}

void GlyphPixels::setPixel(int x, int y, bool on) {
    if (!contains(x, y)) {
        return;
    }
    std::uint8_t& byte = bitmap_[static_cast<std::size_t>(y * (width_ / 8) + x / 8)];
    const auto mask = static_cast<std::uint8_t>(0x80 >> x % 8);
    byte = static_cast<std::uint8_t>(on ? byte | mask : byte & ~mask);
}

template <typename Value>
void GlyphPixels::remap(Value value) {
    const GlyphPixels before = *this;
    for (int y = 0; y < rows_; ++y) {
        for (int x = 0; x < columns_; ++x) {
            setPixel(x, y, value(before, x, y));
        }
    }
}

void GlyphPixels::shift(int dx, int dy) {
    remap(
        [dx, dy](const GlyphPixels& before, int x, int y) { return before.pixel(x - dx, y - dy); });
}

void GlyphPixels::flipLeftRight() {
    remap([this](const GlyphPixels& before, int x, int y) {
        return before.pixel(columns_ - 1 - x, y);
    });
}

void GlyphPixels::invert() {
    remap([](const GlyphPixels& before, int x, int y) { return !before.pixel(x, y); });
}

void GlyphPixels::clear() {
    remap([](const GlyphPixels&, int, int) { return false; });
}

void GlyphPixels::copyArea(std::span<const std::uint8_t> other) {
    if (other.size() != bitmap_.size()) {
        runtime::raise(runtime::ErrorNumber::InvalidProcedureCall,
                       "a bitmap of " +
                           runtime::decimalText(static_cast<std::int64_t>(other.size())) +
                           " bytes for a glyph of " +
                           runtime::decimalText(static_cast<std::int64_t>(bitmap_.size())));
    }
    remap([&other, this](const GlyphPixels&, int x, int y) {
        return bitAt(other, width_ / 8, x, y);
    });
}
