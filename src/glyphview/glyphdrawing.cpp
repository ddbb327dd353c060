#include "glyphview/glyphdrawing.h"

#include <algorithm>
#include <cstring>

#include "glyphview/bitmapplotter.h"
#include "glyphview/glyphbitmap.h"
#include "glyphview/glyphcellpen.h"
#include "runtime/checkedarray.h"
#include "runtime/checkedint.h"

namespace glyphview {
namespace {

constexpr QRgb kInk = 0xFF000000;

// The magnified glyph's colours, by their index in its colour table.
enum MagnifiedColour : uchar { kPaper, kMagnifiedInk, kGrid };
constexpr QRgb kGridColour = 0xFFD0D0D0;

template <typename PixelString, typename Bitmap>
QImage magnify(const Bitmap& bitmap, std::uint8_t width, std::uint8_t height,
               void (*decode)(PixelString&, const Bitmap&)) {
    constexpr int kColumns =
        static_cast<int>(std::tuple_size_v<PixelString>) / static_cast<int>(bootfont::kGlyphRows);
    constexpr int kRows = static_cast<int>(bootfont::kGlyphRows);
    const int columns = std::max<int>(kColumns, width);
    const int rows = std::max<int>(kRows, height);
    const int square = std::min(kMagnification, kMagnifiedLimit / std::max(columns, rows));
    QImage image(columns * square, rows * square, QImage::Format_Indexed8);
    image.setColorTable({0xFFFFFFFF, kInk, kGridColour});
    image.fill(kPaper);
    PixelString pixels;
    decode(pixels, bitmap);
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            if (pixels[static_cast<std::size_t>(r * kColumns + c)] == kBackgroundCode) {
                continue;
            }
            for (int y = r * square; y < (r + 1) * square; ++y) {
                std::memset(image.scanLine(y) + c * square, kMagnifiedInk,
                            static_cast<std::size_t>(square));
            }
        }
    }
    // The grid: the first line of pixels of every square but the first, across the picture.
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = image.scanLine(y);
        if (y % square == 0 && y > 0) {
            std::memset(line, kGrid, static_cast<std::size_t>(image.width()));
            continue;
        }
        for (int x = square; x < image.width(); x += square) {
            line[x] = kGrid;
        }
    }
    return image;
}

template <typename Record>
void draw(QImage& image, QRgb background, GlyphLayout& shown, bootfont::GlyphTable table,
          std::span<const Record> glyphs, const GlyphRange& range) {
    image.fill(background);
    GlyphCellPen pen(image, kInk, range.width, range.height);
    shown.start(table, range.first, range.width, range.height);
    const std::int16_t last = runtime::toInt16(range.count - 1);
    for (std::int16_t k = range.first; k <= last; runtime::checkedIncrement(k)) {
        const PicturePoint corner = pen.position();
        pen.draw(runtime::checkedAt(glyphs, k).Bitmap);
        shown.add(corner);
        if (pen.belowPicture()) {
            break;
        }
    }
}

}  // namespace

QImage magnifiedGlyph(const bootfont::SbcsGlyphRecord& glyph, std::uint8_t width,
                      std::uint8_t height) {
    return magnify<SbcsPixelString>(glyph.Bitmap, width, height, GetPixelFromByteArraySBCS);
}

QImage magnifiedGlyph(const bootfont::DbcsGlyphRecord& glyph, std::uint8_t width,
                      std::uint8_t height) {
    return magnify<DbcsPixelString>(glyph.Bitmap, width, height, GetPixelFromByteArrayDBCS);
}

void redrawGlyph(QImage& image, QRgb background, const PictureRect& box,
                 std::span<const std::uint8_t> bitmap) {
    const QRect area = QRect(box.left, box.top, box.width, box.height) & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + area.left(), line + area.right() + 1, background);
    }
    const int width = static_cast<int>(bitmap.size() * 8 / bootfont::kGlyphRows);
    plotBitmap(bitmap, width, box.left, box.top, image.width(), image.height(),
               [&](int x, int y) { reinterpret_cast<QRgb*>(image.scanLine(y))[x] = kInk; });
}

void drawGlyphs(QImage& image, QRgb background, GlyphLayout& shown,
                std::span<const bootfont::SbcsGlyphRecord> glyphs, const GlyphRange& range) {
    draw(image, background, shown, bootfont::GlyphTable::Sbcs, glyphs, range);
}

void drawGlyphs(QImage& image, QRgb background, GlyphLayout& shown,
                std::span<const bootfont::DbcsGlyphRecord> glyphs, const GlyphRange& range) {
    draw(image, background, shown, bootfont::GlyphTable::Dbcs, glyphs, range);
}

}  // namespace glyphview
