// The picture of bootfont diff -o, drawn in the render helper: each changed glyph as its old and
// new bitmap side by side, a line between them, labelled with its code; 8 pairs a row.
#include <algorithm>

#include "cli/diffoptions.h"
#include "cli/picture.h"
#include "runtime/numbertext.h"

namespace cli {
namespace {

constexpr int kMargin = 4;
constexpr int kCell = 18;  // a glyph 16 pixels high with a pixel around it
constexpr int kLabelWidth = 4 * kLabelDigitAdvance + 4;
constexpr int kDivider = 3;  // between old and new, a line in its middle
constexpr int kPairWidth = kLabelWidth + kCell + kDivider + kCell;
constexpr int kPairGap = 13;
constexpr int kPairsPerRow = 8;

template <typename Record>
std::span<const std::uint8_t> bitmapOf(const std::vector<Record>& records, std::size_t index) {
    return records[index].Bitmap;
}

}  // namespace

std::string diffPicture(const bootfont::WholeFont& oldFont, const bootfont::WholeFont& newFont,
                        std::span<const bootfont::GlyphDifference> changed, int scale) {
    const std::size_t drawn = std::min(changed.size(), kDiffPictureLimit);
    const int rows = std::max(1, static_cast<int>((drawn + kPairsPerRow - 1) / kPairsPerRow));
    const int columns = static_cast<int>(std::clamp<std::size_t>(drawn, 1, kPairsPerRow));
    QImage image = twoColourImage(2 * kMargin + columns * (kPairWidth + kPairGap) - kPairGap,
                                  2 * kMargin + rows * kCell, kWhite, kBlack);
    for (std::size_t i = 0; i < drawn; ++i) {
        const bootfont::GlyphDifference& glyph = changed[i];
        const bool sbcs = glyph.table == bootfont::GlyphTable::Sbcs;
        const int width = sbcs ? bootfont::kSbcsGlyphWidth : bootfont::kDbcsGlyphWidth;
        const int x = kMargin + static_cast<int>(i % kPairsPerRow) * (kPairWidth + kPairGap);
        const int y = kMargin + static_cast<int>(i / kPairsPerRow) * kCell;
        drawLabel(image, x, y + (kCell - kLabelHeight) / 2, glyph.code,
                  bootfont::codeDigits(glyph.table));
        const int oldX = x + kLabelWidth + 1;
        const int newX = x + kLabelWidth + kCell + kDivider + 1;
        plotBitmap(image, oldX, y + 1,
                   sbcs ? bitmapOf(oldFont.sbcsGlyphs, glyph.oldIndex)
                        : bitmapOf(oldFont.dbcsGlyphs, glyph.oldIndex),
                   width);
        plotBitmap(image, newX, y + 1,
                   sbcs ? bitmapOf(newFont.sbcsGlyphs, glyph.newIndex)
                        : bitmapOf(newFont.dbcsGlyphs, glyph.newIndex),
                   width);
        for (int dy = 0; dy < kCell; ++dy) {
            ink(image.scanLine(y + dy), x + kLabelWidth + kCell + kDivider / 2);
        }
    }
    return pngBytes(enlarged(image, scale));
}

}  // namespace cli
