// bootfont render: the viewer's pictures pixel for pixel, and the sheet, text and scale views.
#include <QImage>

#include "cli/bootfontrun.h"
#include "viewer/formfixture.h"

namespace {

using testsupport::bootfont;

const std::string kSample = std::string(SAMPLE_FONT_DIR) + "/bootfont-zh-tw.bin";

struct ViewCase {
    const char* name;
    const char* view;
    int pageStart;  // the window's ShowDBCS start, or -1 for its single-byte view
};

class RenderedView : public testsupport::FormTest, public testing::WithParamInterface<ViewCase> {};

// The window's picture, its background made white, is the PNG that render writes.
TEST_P(RenderedView, IsTheWindowsPicture) {
    ASSERT_TRUE(open(kSample).empty());
    GetParam().pageStart < 0 ? form.ShowSBCS()
                             : form.ShowDBCS(static_cast<std::int16_t>(GetParam().pageStart));
    QImage expected = picture()->image();
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (expected.pixel(x, y) == picture()->background()) {
                expected.setPixel(x, y, qRgb(255, 255, 255));
            }
        }
    }
    const auto png = dir / "view.png";
    const auto run = bootfont("render " + kSample + " " + GetParam().view + " -o " + png.string());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32), expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Views, RenderedView, testing::Values(
    ViewCase{"SingleByte", "--sbcs", -1},
    ViewCase{"SecondPage", "--page 2", 500},
    ViewCase{"LastPage", "--page 28", 27 * 500}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct ImageCase {
    const char* name;
    const char* args;
    int width;
    int height;
    int x;  // a pixel and its grey
    int y;
    int grey;
    const char* inErr = "";
};

class RenderedImage : public testing::TestWithParam<ImageCase> {};

// A Big5 font with one single-byte glyph, A, and one double-byte glyph, 中, each inked only in
// its bottom row (A in its column 0, 中 in its columns 7 and 15), so that a mixed-up row shows;
// it lacks 文.
TEST_P(RenderedImage, HasItsSizeAndPixels) {
    testsupport::TempDir dir;
    bootfont::SbcsGlyphRecord a;
    a.Code = 0x41;
    a.Bitmap[15] = 0x80;
    bootfont::DbcsGlyphRecord zhong;
    zhong.Code = {0xA4, 0xA4};
    zhong.Bitmap[30] = zhong.Bitmap[31] = 0x01;
    testsupport::BootFontBuilder font;
    font.header().LanguageId = 0x404;
    font.standardMetrics().sbcsTable(49, {a}).dbcsTable(49 + 17, {zhong}).writeTo(dir / "font.bin");
    const auto png = dir / "out.png";
    const auto run = bootfont("render " + (dir / "font.bin").string() + " " + GetParam().args +
                              " -o " + png.string());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find(GetParam().inErr), std::string::npos) << run.err;
    const QImage image(QString::fromStdString(png));
    EXPECT_EQ(image.size(), QSize(GetParam().width, GetParam().height));
    EXPECT_EQ(qGray(image.pixel(GetParam().x, GetParam().y)), GetParam().grey);
}

// Text: 8-pixel cells for single bytes, 16 for double bytes, grey 170 on black; a lacking
// character is a box one pixel inside its cell. Sheet: label 36 pixels wide after a margin of 4,
// then 16 cells of 18 pixels and a margin; a row each for A and 中 with a blank row between.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, RenderedImage, testing::Values(
    ImageCase{"TextGlyph", "--text A中文", 8 + 16 + 16, 16, 0, 15, 170, "lacks 1 of the 3 characters: 文"},
    ImageCase{"TextDoubleByte", "--text A中文", 40, 16, 8 + 15, 15, 170},
    ImageCase{"TextLackingBoxEdge", "--text A中文", 40, 16, 24 + 1, 14, 170},
    ImageCase{"TextLackingBoxInside", "--text A中文", 40, 16, 24 + 2, 13, 0},
    ImageCase{"TextScaled", "--text A --scale 3", 24, 48, 2, 47, 170},
    ImageCase{"TextScaledBeside", "--text A --scale 3", 24, 48, 3, 47, 0},
    ImageCase{"SheetSingleByte", "--sheet", 4 + 36 + 16 * 18 + 4, 4 + 3 * 18 + 4, 4 + 36 + 1, 4 + 1 + 15, 0},
    ImageCase{"SheetDoubleByte", "--sheet", 332, 62, 4 + 36 + 1 + 7, 4 + 2 * 18 + 1 + 15, 0},
    ImageCase{"SheetLabel", "--sheet", 332, 62, 4, 4 + 1 + 3, 0},
    ImageCase{"PageScaled", "--page 1 --scale 2", 2 * 540, 2 * 421, 2 * (5 + 7) + 1, 2 * (5 + 15), 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
