#include "viewer/editedglyph.h"

#include <utility>

EditedGlyph::EditedGlyph(GlyphPixels pixels, QObject* parent)
    : QObject(parent), pixels_(std::move(pixels)) {}

void EditedGlyph::setPixel(QPoint at, bool on) {
    if (pixel(at) != on && pixels_.contains(at.x(), at.y())) {
        pixels_.setPixel(at.x(), at.y(), on);
        emit changed(QRect(at, QSize(1, 1)));
    }
}

void EditedGlyph::setBitmap(const std::vector<std::uint8_t>& bitmap) {
    if (bitmap != pixels_.bitmap()) {
        pixels_.copyArea(bitmap);
        emit changed(area());
    }
}
