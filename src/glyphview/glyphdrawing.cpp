#include "glyphview/glyphdrawing.h"

#include "glyphview/glyphbitmap.h"
#include "glyphview/glyphcellpen.h"
#include "runtime/checkedarray.h"
#include "runtime/checkedint.h"

namespace glyphview {
namespace {

constexpr QRgb kInk = 0xFF000000;

template <typename PixelString, typename Record, typename Bitmap>
void draw(QImage& image, QRgb background, GlyphLayout& shown, bootfont::GlyphTable table,
          std::span<const Record> glyphs, const GlyphRange& range,
          void (*decode)(PixelString&, const Bitmap&)) {
    image.fill(background);
    GlyphCellPen pen(image, kInk, range.width, range.height);
    shown.start(table, range.first, range.width, range.height);
    const std::int16_t last = runtime::toInt16(range.count - 1);
    PixelString pixels;
    for (std::int16_t k = range.first; k <= last; runtime::checkedIncrement(k)) {
        decode(pixels, runtime::checkedAt(glyphs, k).Bitmap);
        const PicturePoint corner = pen.position();
        pen.draw(pixels);
        shown.add(corner);
        if (pen.belowPicture()) {
            break;
        }
    }
}

}  // namespace

void drawGlyphs(QImage& image, QRgb background, GlyphLayout& shown,
                std::span<const bootfont::SbcsGlyphRecord> glyphs, const GlyphRange& range) {
    draw<SbcsPixelString>(image, background, shown, bootfont::GlyphTable::Sbcs, glyphs, range,
                          GetPixelFromByteArraySBCS);
}

void drawGlyphs(QImage& image, QRgb background, GlyphLayout& shown,
                std::span<const bootfont::DbcsGlyphRecord> glyphs, const GlyphRange& range) {
    draw<DbcsPixelString>(image, background, shown, bootfont::GlyphTable::Dbcs, glyphs, range,
                          GetPixelFromByteArrayDBCS);
}

}  // namespace glyphview
