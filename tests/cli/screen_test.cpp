// bootfont render --screen: the boot screen's pixels worked out by hand from the glyphs, the pads
// and the columns; the chosen row inverted; what is cut and lacking counted; bad input refused.
#include <gtest/gtest.h>

#include <QImage>
#include <fstream>

#include "cli/bootfontrun.h"
#include "support/bootfontbuilder.h"

namespace {

using testsupport::bootfont;

// A Big5 font, top pad 1, height 16, bottom pad 2: rows of 19 pixels, 25 of them. A is inked in
// its top left and bottom right pixels, 中 (0xA4A4) too; it lacks 文.
void writeFont(const std::filesystem::path& file) {
    bootfont::SbcsGlyphRecord a{0x41};
    a.Bitmap[0] = 0x80;
    a.Bitmap[15] = 0x01;
    bootfont::DbcsGlyphRecord zhong;
    zhong.setCode(0xA4A4);
    zhong.Bitmap[0] = 0x80;
    zhong.Bitmap[31] = 0x01;
    testsupport::BootFontBuilder font;
    font.standardMetrics().header().LanguageId = 0x404;
    font.header().CharacterTopPad = 1;
    font.header().CharacterBottomPad = 2;
    font.sbcsTable(49, {a}).dbcsTable(49 + 17, {zhong}).writeTo(file);
}

// Row 1: A 中 A from column 0. Row 2, chosen: a tab, then A and 文 from column 8. Row 3: 81 As,
// one too many. Rows 4 to 26 an A each: the last is below the screen.
TEST(Screen, PlacesEachGlyphInItsRowAndColumn) {
    testsupport::TempDir dir;
    writeFont(dir / "font.bin");
    std::ofstream text(dir / "menu.txt");
    text << "A中A\n\tA文\r\n" << std::string(81, 'A') << '\n';
    for (int line = 4; line <= 26; ++line) {
        text << "A\n";
    }
    text.close();
    const auto run =
        bootfont("render DIR/font.bin --screen DIR/menu.txt --select 2 -o DIR/s.png", &dir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("menu.txt: cut 1 line longer than 80 columns\n"), std::string::npos);
    EXPECT_NE(run.err.find("menu.txt: cut 1 line below the screen's 25 rows\n"), std::string::npos);
    EXPECT_NE(run.err.find("font.bin: the font lacks 1 of the 107 characters: 文 (U+6587)\n"),
              std::string::npos)
        << run.err;
    const QImage image(QString::fromStdString(dir / "s.png"));
    ASSERT_EQ(image.size(), QSize(640, 480));
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
}

// Bad input: status 2, one line on standard error, no picture.
TEST(Screen, RefusesBadInput) {
    testsupport::TempDir dir;
    writeFont(dir / "font.bin");
    testsupport::writeBytes(dir / "bad.txt", {'A', 0xC3, '\n'});
    testsupport::writeBytes(dir / "menu.txt", {'A', '\n'});
    for (const auto& [args, inErr] : std::initializer_list<std::pair<const char*, const char*>>{
             {"DIR/menu.txt --select 26", "--select 26: the screen has 25 rows"},
             {"DIR/bad.txt", "bad.txt: line 1 is not UTF-8"},
             {"DIR/none.txt", "none.txt: No such file"},
             {"DIR", ": is a folder"}}) {
        const auto run =
            bootfont(std::string("render DIR/font.bin -o DIR/s.png --screen ") + args, &dir);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find(inErr), std::string::npos) << run.err;
        EXPECT_EQ(std::ranges::count(run.err, '\n'), 1) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "s.png"));
    }
}

}  // namespace
