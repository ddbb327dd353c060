// The icon tool enlarges pixel art block by block and refuses sizes that would smear it.
#include <gtest/gtest.h>

#include <QImage>

#include "pixelicons/pixelartscale.h"

namespace pixelicons {
namespace {

TEST(PixelArtScale, EveryPixelBecomesASquareBlockOfItsColourTransparencyIncluded) {
    QImage art(2, 2, QImage::Format_ARGB32);
    const QRgb colours[] = {qRgba(0, 0, 0, 0), qRgb(0x1F, 0x4F, 0xC8), qRgb(0xE0, 0x18, 0x18),
                            qRgb(0xFF, 0xFF, 0xFF)};
    for (int i = 0; i < 4; ++i) {
        art.setPixel(i % 2, i / 2, colours[i]);
    }
    EXPECT_EQ(scalePixelArt(art, 2), art);
    // Qt's nearest-neighbour scaling of a whole multiple makes the same blocks.
    EXPECT_EQ(scalePixelArt(art, 6),
              art.scaled(6, 6, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    for (const int size : {3, 1, 0, -4}) {
        EXPECT_TRUE(scalePixelArt(art, size).isNull()) << "no whole multiple: " << size;
    }
    EXPECT_TRUE(scalePixelArt(QImage(2, 4, QImage::Format_ARGB32), 8).isNull());
    EXPECT_TRUE(scalePixelArt(QImage(), 16).isNull());
}

}  // namespace
}  // namespace pixelicons
