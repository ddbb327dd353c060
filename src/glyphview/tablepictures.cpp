#include "glyphview/tablepictures.h"

#include <algorithm>
#include <vector>

#include "glyphview/glyphdrawing.h"
#include "glyphview/pagemaths.h"
#include "glyphview/twocolourpicture.h"

namespace glyphview {
namespace {

template <typename Record>
std::vector<Record> viewerTable(const std::vector<Record>& records, std::int32_t count) {
    std::vector<Record> table(
        records.begin(), records.begin() + std::min<std::ptrdiff_t>(
                                               static_cast<std::ptrdiff_t>(records.size()), count));
    table.resize(static_cast<std::size_t>(count));
    return table;
}

constexpr int kSheetColumns = 16;
constexpr int kSheetCell = 18;
constexpr int kSheetMargin = 4;
constexpr int kLabelWidth = 4 * kLabelDigitAdvance + 4;
constexpr int kLabelTop = (16 - kLabelHeight) / 2;

int sheetRows(std::size_t glyphs) {
    return static_cast<int>((glyphs + kSheetColumns - 1) / kSheetColumns);
}

// Draws a table's glyphs from sheet row `firstRow` on.
template <typename Record>
void drawSheetRows(QImage& image, const std::vector<Record>& records, bootfont::GlyphTable table,
                   int firstRow) {
    const int left = kSheetMargin + kLabelWidth;
    for (std::size_t index = 0; index < records.size(); ++index) {
        const int row = static_cast<int>(index) / kSheetColumns + firstRow;
        const int column = static_cast<int>(index) % kSheetColumns;
        const int y = kSheetMargin + row * kSheetCell + 1;
        if (column == 0) {
            drawLabel(image, kSheetMargin, y + kLabelTop, records[index].code(),
                      bootfont::codeDigits(table));
        }
        drawBitmap(image, left + column * kSheetCell + 1, y, records[index].Bitmap, Record::kWidth);
    }
}

}  // namespace

QImage viewPicture(const bootfont::WholeFont& font, bootfont::GlyphTable table,
                   std::int16_t first) {
    const auto& h = font.header;
    QImage image(kViewWidth, kViewHeight, QImage::Format_RGB32);
    GlyphLayout shown;
    if (table == bootfont::GlyphTable::Sbcs) {
        drawGlyphs(image, kWhite, shown, viewerTable(font.sbcsGlyphs, font.sbcs.count),
                   {first, font.sbcs.count, h.CharacterImageSbcsWidth, h.CharacterImageHeight});
    } else {
        drawGlyphs(image, kWhite, shown, viewerTable(font.dbcsGlyphs, font.dbcs.count),
                   {first, font.dbcs.count, h.CharacterImageDbcsWidth, h.CharacterImageHeight});
    }
    QImage picture = twoColourImage(image.width(), image.height(), kWhite, kBlack);
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = picture.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (in[x] == kBlack) {
                ink(out, x);
            }
        }
    }
    return picture;
}

QImage sheetPicture(const bootfont::WholeFont& font) {
    const int sbcsRows = sheetRows(font.sbcsGlyphs.size());
    const int dbcsRows = sheetRows(font.dbcsGlyphs.size());
    const int rows = sbcsRows + dbcsRows + (sbcsRows > 0 && dbcsRows > 0 ? 1 : 0);
    QImage image =
        twoColourImage(kSheetMargin + kLabelWidth + kSheetColumns * kSheetCell + kSheetMargin,
                       2 * kSheetMargin + std::max(rows, 1) * kSheetCell, kWhite, kBlack);
    drawSheetRows(image, font.sbcsGlyphs, bootfont::GlyphTable::Sbcs, 0);
    drawSheetRows(image, font.dbcsGlyphs, bootfont::GlyphTable::Dbcs, rows - dbcsRows);
    return image;
}

}  // namespace glyphview
