// bootfont render: the viewer's pictures, the sheet, text and scale views, every pixel worked out
// from the glyphs' bytes.
#include <gtest/gtest.h>

#include <QImage>

#include "bootfont/wholefont.h"
#include "cli/bootfontrun.h"
#include "support/bigfivefont.h"

namespace {

using testsupport::bootfont;

// The picture of a view: 540 x 421 pixels, the glyphs from `first` in cells of (W + 5) x (H + 5)
// from (5, 5), a row ending where the next cell would pass the right edge and the drawing ending
// at a row that starts below the picture. Every bitmap is drawn 8 or 16 pixels wide and 16 high,
// the most significant bit leftmost, whatever W and H say.
template <typename Record>
QImage view(const std::vector<Record>& glyphs, std::size_t first, int w, int h) {
    QImage image(540, 421, QImage::Format_RGB32);
    image.fill(Qt::white);
    int x = 5, y = 5;
    for (std::size_t i = first; i < glyphs.size() && y <= image.height(); ++i) {
        const int width = 8 * static_cast<int>(glyphs[i].Bitmap.size()) / 16;
        for (int row = 0; row < 16; ++row) {
            for (int column = 0; column < width; ++column) {
                if (glyphs[i].Bitmap[(row * width + column) / 8] & 0x80 >> column % 8 &&
                    image.rect().contains(x + column, y + row)) {
                    image.setPixel(x + column, y + row, qRgb(0, 0, 0));
                }
            }
        }
        x += w + 5;
        if (x + w + 5 > image.width()) {
            x = 5;
            y += h + 5;
        }
    }
    return image;
}

struct ViewCase {
    const char* name;
    bool built;  // the built font rather than the sample
    const char* view;
    bool sbcs;
    std::size_t first;
};

class RenderedView : public testing::TestWithParam<ViewCase> {};

// The sample's glyphs of 16 x 16 in cells of 21 x 21: 25 a row, 20 rows a page. The built font
// declares double-byte glyphs 10 wide and 18 high: their bitmaps overlap in cells of 15 x 23, 35
// a row and 19 rows, so page 1 shows 665 glyphs; it declares 32,767 of them, the most the viewer
// shows, on 66 pages.
TEST_P(RenderedView, InksThePixelsOfTheGlyphsInTheirCells) {
    testsupport::TempDir dir;
    std::filesystem::path file = std::string(SAMPLE_FONT_DIR) + "/bootfont-zh-tw.bin";
    if (GetParam().built) {
        testsupport::BootFontBuilder font;
        font.standardMetrics().header().CharacterImageDbcsWidth = 10;
        font.header().CharacterImageHeight = 18;
        font.dbcsTable(49, testsupport::dbcsGlyphs(700));
        // As many glyphs as the viewer shows, the file cut after 700: drawn, not refused.
        font.header().NumDbcsChars = bootfont::kViewerTableLimit;
        file = font.writeTo(dir / "font.bin");
    }
    const auto run = bootfont("render " + file.string() + " " + GetParam().view + " -o " +
                              (dir / "view.png").string());
    ASSERT_EQ(run.status, 0) << run.err;
    if (GetParam().built) {
        const auto past = bootfont("render " + file.string() + " --page 67 -o DIR/x.png", &dir);
        EXPECT_NE(past.err.find("--page 67: the font has 66 pages"), std::string::npos) << past.err;
    }
    bootfont::FontFileReader reader(file);
    const auto font = bootfont::readWholeFont(reader);
    const auto& h = font.header;
    const QImage expected =
        GetParam().sbcs
            ? view(font.sbcsGlyphs, 0, h.CharacterImageSbcsWidth, h.CharacterImageHeight)
            : view(font.dbcsGlyphs, GetParam().first, h.CharacterImageDbcsWidth,
                   h.CharacterImageHeight);
    EXPECT_TRUE(
        QImage(QString::fromStdString(dir / "view.png")).convertToFormat(QImage::Format_RGB32) ==
        expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Views, RenderedView, testing::Values(
    ViewCase{"SingleByte", false, "--sbcs", true, 0},
    ViewCase{"LastPage", false, "--page 28", false, 27 * 500},
    ViewCase{"OddMetrics", true, "--page 1", false, 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct ImageCase {
    const char* name;
    const char* args;
    int width;
    int height;
    int x, y;  // a pixel and its grey
    int grey;
    const char* inErr = "";
};

class RenderedImage : public testing::TestWithParam<ImageCase> {};

// The Big5 font of the pictures' tests (support/bigfivefont.h): A and 中, each inked in its top
// left and bottom right pixels; it lacks 文.
TEST_P(RenderedImage, HasItsSizeAndPixels) {
    testsupport::TempDir dir;
    testsupport::bigFiveFont().writeTo(dir / "font.bin");
    const auto png = dir / "out.png";
    const auto run = bootfont("render " + (dir / "font.bin").string() + " " + GetParam().args +
                              " -o " + png.string());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find(GetParam().inErr), std::string::npos) << run.err;
    const QImage image(QString::fromStdString(png));
    EXPECT_EQ(image.size(), QSize(GetParam().width, GetParam().height));
    EXPECT_EQ(qGray(image.pixel(GetParam().x, GetParam().y)), GetParam().grey);
}

// Each view with its options, sizes and messages; the drawing itself is tested in the glyph-view
// library. Text: 8-pixel cells for single bytes, 16 for double bytes, grey 170 on black. Sheet:
// label 36 pixels wide after a margin of 4, then 16 cells of 18 pixels and a margin; a row each for
// A and 中 with a blank row between.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, RenderedImage, testing::Values(
    ImageCase{"TextGlyph", "--text A中文", 8 + 16 + 16, 16, 7, 15, 170, "lacks 1 of the 3 characters: 文"},
    // A character the code page lacks is as wide as a double-byte one from U+0100 on.
    ImageCase{"TextLackingWide", "--text ĀÿĀ", 16 + 8 + 16, 16, 16 + 8 + 1, 14, 170, "lacks 3 of the 3"},
    ImageCase{"SheetSingleByte", "--sheet", 4 + 36 + 16 * 18 + 4, 4 + 3 * 18 + 4, 4 + 36 + 1 + 7, 4 + 1 + 15, 0},
    ImageCase{"TextScaled", "--text A --scale 2", 2 * 8, 2 * 16, 0, 0, 170},
    ImageCase{"PageScaled", "--page 1 --scale 2", 2 * 540, 2 * 421, 2 * (5 + 15) + 1, 2 * (5 + 15), 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
