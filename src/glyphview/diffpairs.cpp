#include "glyphview/diffpairs.h"

#include <algorithm>

#include "bootfont/glyphtables.h"
#include "glyphview/twocolourpicture.h"

namespace glyphview {
namespace {

constexpr int kMargin = 4;
constexpr int kCell = 18;  // a glyph 16 pixels high with a pixel around it
constexpr int kLabelWidth = 4 * kLabelDigitAdvance + 4;
constexpr int kDivider = 3;  // between old and new, a line in its middle
constexpr int kPairWidth = kLabelWidth + kCell + kDivider + kCell;
constexpr int kPairGap = 13;
constexpr int kPairsPerRow = 8;

std::span<const std::uint8_t> bitmapOf(const bootfont::WholeFont& font,
                                       const bootfont::GlyphDifference& glyph, std::size_t index) {
    if (glyph.table == bootfont::GlyphTable::Sbcs) {
        return font.sbcsGlyphs[index].Bitmap;
    }
    return font.dbcsGlyphs[index].Bitmap;
}

}  // namespace

QImage diffPairsPicture(const bootfont::WholeFont& oldFont, const bootfont::WholeFont& newFont,
                        std::span<const bootfont::GlyphDifference> changed) {
    const int rows =
        std::max(1, static_cast<int>((changed.size() + kPairsPerRow - 1) / kPairsPerRow));
    const int columns = static_cast<int>(std::clamp<std::size_t>(changed.size(), 1, kPairsPerRow));
    QImage image = twoColourImage(2 * kMargin + columns * (kPairWidth + kPairGap) - kPairGap,
                                  2 * kMargin + rows * kCell, kWhite, kBlack);
    for (std::size_t i = 0; i < changed.size(); ++i) {
        const bootfont::GlyphDifference& glyph = changed[i];
        const int width = bootfont::glyphTable(glyph.table).pixelWidth;
        const int x = kMargin + static_cast<int>(i % kPairsPerRow) * (kPairWidth + kPairGap);
        const int y = kMargin + static_cast<int>(i / kPairsPerRow) * kCell;
        drawLabel(image, x, y + (kCell - kLabelHeight) / 2, glyph.code,
                  bootfont::codeDigits(glyph.table));
        const int oldX = x + kLabelWidth + 1;
        const int newX = oldX + kCell + kDivider;
        const int dividerX = x + kLabelWidth + kCell + 1;  // the middle of the three pixels
        drawBitmap(image, oldX, y + 1, bitmapOf(oldFont, glyph, glyph.oldIndex), width);
        drawBitmap(image, newX, y + 1, bitmapOf(newFont, glyph, glyph.newIndex), width);
        for (int dy = 0; dy < kCell; ++dy) {
            ink(image.scanLine(y + dy), dividerX);
        }
    }
    return image;
}

}  // namespace glyphview
