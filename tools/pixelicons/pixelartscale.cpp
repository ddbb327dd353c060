#include "pixelicons/pixelartscale.h"

namespace pixelicons {

QImage scalePixelArt(const QImage& art, int size) {
    if (art.isNull() || art.width() != art.height() || size < art.width() ||
        size % art.width() != 0) {
        return {};
    }
    const int factor = size / art.width();
    const QImage source = art.convertToFormat(QImage::Format_ARGB32);
    QImage scaled(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            scaled.setPixel(x, y, source.pixel(x / factor, y / factor));
        }
    }
    return scaled;
}

}  // namespace pixelicons
