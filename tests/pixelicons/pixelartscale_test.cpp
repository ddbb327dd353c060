// The icon tool enlarges pixel art block by block and refuses sizes that would smear it.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "pixelicons/pixelartscale.h"

namespace pixelicons {
namespace {

const QRgb kTransparent = qRgba(0, 0, 0, 0);
const QRgb kBlue = qRgb(0x1F, 0x4F, 0xC8);
const QRgb kRed = qRgb(0xE0, 0x18, 0x18);
const QRgb kWhite = qRgb(0xFF, 0xFF, 0xFF);

// 2 x 2 art: transparent, blue / red, white.
QImage fourPixelArt() {
    QImage art(2, 2, QImage::Format_ARGB32);
    art.setPixel(0, 0, kTransparent);
    art.setPixel(1, 0, kBlue);
    art.setPixel(0, 1, kRed);
    art.setPixel(1, 1, kWhite);
    return art;
}

TEST(PixelArtScale, EverySourcePixelBecomesASquareBlockOfItsColour) {
    const QImage scaled = scalePixelArt(fourPixelArt(), 6);
    ASSERT_EQ(scaled.size(), QSize(6, 6));
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const QRgb expected = y < 3 ? (x < 3 ? kTransparent : kBlue) : (x < 3 ? kRed : kWhite);
            EXPECT_EQ(scaled.pixel(x, y), expected) << "at " << x << ", " << y;
        }
    }
}

TEST(PixelArtScale, KeepsTransparencySoTheIconHasNoBackground) {
    const QImage scaled = scalePixelArt(fourPixelArt(), 4);
    ASSERT_FALSE(scaled.isNull());
    EXPECT_TRUE(scaled.hasAlphaChannel());
    EXPECT_EQ(qAlpha(scaled.pixel(1, 1)), 0);
    EXPECT_EQ(qAlpha(scaled.pixel(2, 2)), 255);
}

TEST(PixelArtScale, TheArtsOwnSizeIsAnExactCopy) {
    const QImage art = fourPixelArt();
    EXPECT_EQ(scalePixelArt(art, 2), art);
}

TEST(PixelArtScale, RefusesSizesThatAreNoWholeMultiple) {
    const QImage art = fourPixelArt();
    EXPECT_TRUE(scalePixelArt(art, 3).isNull());
    EXPECT_TRUE(scalePixelArt(art, 1).isNull());
    EXPECT_TRUE(scalePixelArt(art, 0).isNull());
    EXPECT_TRUE(scalePixelArt(art, -4).isNull());
}

TEST(PixelArtScale, RefusesArtThatIsNotSquareOrMissing) {
    EXPECT_TRUE(scalePixelArt(QImage(2, 4, QImage::Format_ARGB32), 8).isNull());
    EXPECT_TRUE(scalePixelArt(QImage(), 16).isNull());
}

}  // namespace
}  // namespace pixelicons
