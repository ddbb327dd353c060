// The command's pictures and the glyph editor's boot line, drawn by the glyph-view library: the
// plotter's edges, text lines, the sheet and the boot screen, pixel by pixel.
#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <numeric>

#include "glyphview/bootscreen.h"
#include "glyphview/glyphbitmap.h"
#include "glyphview/pictureerror.h"
#include "glyphview/tablepictures.h"
#include "glyphview/textcells.h"
#include "glyphview/twocolourpicture.h"
#include "support/bigfivefont.h"

namespace glyphview {
namespace {

const bootfont::WholeFont kFont = bootfont::readWholeFont(testsupport::bigFiveFont().build());

// A 24 x 20 image in a buffer with a line above and below it and 8 bits of padding right of each
// line: every bit set in the buffer is counted, so a drawing that passes an edge shows.
TEST(TwoColourPicture, DrawsInsideTheImageOnly) {
    std::array<std::uint8_t, 32> full{};
    full.fill(0xFF);
    for (const auto& [name, draw, inked] :
         std::initializer_list<std::tuple<const char*, std::function<void(QImage&)>, int>>{
             {"corner", [&](QImage& i) { drawBitmap(i, 0, 0, full, 8); }, 8 * 16},
             {"top left", [&](QImage& i) { drawBitmap(i, -3, -5, full, 8); }, 5 * 11},
             {"bottom right", [&](QImage& i) { drawBitmap(i, 20, 10, full, 8); }, 4 * 10},
             // 4 and 1: 9 and 8 pixels of 3 x 5, each drawn 2 x 2.
             {"label", [](QImage& i) { drawLabel(i, 0, 0, 0x41, 2); }, (9 + 8) * 4}}) {
        std::array<uchar, 4 * 22> buffer{};
        QImage image(buffer.data() + 4, 24, 20, 4, QImage::Format_Mono);
        draw(image);
        const int set = std::transform_reduce(buffer.begin(), buffer.end(), 0, std::plus<>(),
                                              [](uchar byte) { return std::popcount(byte); });
        EXPECT_EQ(set, inked) << name;
    }
}

// The eight binary digits of a byte, most significant first, leading zeros kept.
TEST(GlyphBitmap, ByteToBinGivesEightDigits) {
    for (const auto& [value, digits] : std::initializer_list<std::pair<std::uint8_t, const char*>>{
             {0, "00000000"}, {1, "00000001"}, {0x80, "10000000"}, {0xA5, "10100101"}}) {
        EXPECT_EQ(ByteToBin(value), digits);
    }
}

// Text: 8-pixel cells for single bytes, 16 for double bytes, grey 170 on black; a lacking
// character is a box one pixel inside its cell. Sheet: label 36 pixels wide after a margin of 4,
// then 16 cells of 18 pixels and a margin; a row each for A and 中 with a blank row between.
TEST(TextAndSheet, PlaceTheGlyphsInTheirCells) {
    const QImage text = textLineImage(textCells(kFont, U"A中文"));
    EXPECT_EQ(qGray(text.pixel(8 + 15, 15)), 170);  // 中
    EXPECT_EQ(qGray(text.pixel(24 + 1, 2)), 170);   // the left of the box of 文
    EXPECT_EQ(qGray(sheetPicture(kFont).pixel(4 + 36 + 1 + 15, 4 + 2 * 18 + 1 + 15)), 0);  // 中
}

// The font of support/bigfivefont.h, rows of 19 pixels. Row 1: A 中 A from column 0. Row 2, chosen:
// a tab, then A and 文 from column 8. Row 3: 81 As, one too many. Rows 4 to 25 an A each.
TEST(BootScreen, PlacesEachGlyphInItsRowAndColumn) {
    std::vector<std::u32string> lines{U"A中A", U"\tA文", std::u32string(81, U'A')};
    lines.resize(25, U"A");
    const QImage image = bootScreen(kFont, lines, 2).image;
    constexpr int kGrey = 170;
    for (const auto& [x, y, grey] : std::initializer_list<std::tuple<int, int, int>>{
             {0, 0, 0},  // the top pad
             {0, 1, kGrey},
             {1, 1, 0},
             {7, 16, kGrey},  // A
             {8, 1, kGrey},
             {8 + 15, 16, kGrey},
             {8 + 14, 16, 0},  // 中 from column 1
             {24, 1, kGrey},   // A in column 3
             {0, 19, kGrey},
             {639, 37, kGrey},
             {0, 38, 0},  // row 2 inverted, whole
             {64, 20, 0},
             {65, 20, kGrey},  // its A after the tab
             {72 + 1, 20 + 1, 0},
             {72 + 2, 20 + 2, kGrey},  // the box of 文
             {79 * 8, 38 + 1, kGrey},
             {0, 24 * 19 + 1, kGrey}}) {  // column 80, row 25
        EXPECT_EQ(qGray(image.pixel(x, y)), grey) << x << ", " << y;
    }
    // Rows 1 to 25 can be chosen, no other.
    for (const int row : {0, 1, 25, 26}) {
        bool refused = false;
        try {
            bootScreen(kFont, lines, row);
        } catch (const PictureError&) {
            refused = true;
        }
        EXPECT_EQ(refused, row < 1 || row > 25) << row;
    }
    // The glyph editor's boot line is that row of the screen.
    EXPECT_EQ(bootLineImage(textCells(kFont, lines[0]), BootLineMetrics(kFont.header)),
              image.copy(0, 0, 640, 19));
}

}  // namespace
}  // namespace glyphview
