#pragma once

#include <QImage>

namespace pixelicons {

// Enlarges pixel art by a whole factor, each source pixel becoming a square block of that colour
// (nearest neighbour), so edges stay sharp and no colour appears that the art does not hold.
// Returns a null image when `size` is not a whole multiple of the art's width and height, or
// when the art is not square.
QImage scalePixelArt(const QImage& art, int size);

}  // namespace pixelicons
