// bootfont render --screen: the text file drawn as the boot screen (whose pixels are tested in the
// glyph-view library), the chosen row inverted; what is cut and lacking reported; bad input
// refused.
#include <gtest/gtest.h>

#include <QImage>
#include <fstream>

#include "cli/bootfontrun.h"
#include "support/bigfivefont.h"

namespace {

using testsupport::bootfont;

constexpr std::size_t kTextLimit = 1024 * 1024;  // the most of a text file that render reads

// After a byte order mark, row 1: A 中 A. Row 2, chosen: a tab, then A and 文. Row 3: As past the
// 80 columns, as many as make the file the longest that is read. Rows 4 to 26 an A each: the last
// is below the screen.
TEST(Screen, DrawsTheTextFileAndReportsWhatItCutAndLacks) {
    testsupport::TempDir dir;
    testsupport::bigFiveFont().writeTo(dir / "font.bin");
    std::string text =
        "\xEF\xBB\xBF"
        "A中A\n\tA文\r\n";
    std::string below;
    for (int line = 4; line <= 26; ++line) {
        below += "A\n";
    }
    text += std::string(kTextLimit - text.size() - below.size() - 1, 'A') + '\n' + below;
    std::ofstream(dir / "menu.txt") << text;
    const auto run =
        bootfont("render DIR/font.bin --screen DIR/menu.txt --select 2 -o DIR/s.png", &dir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("menu.txt: cut 1 line longer than 80 columns\n"), std::string::npos);
    EXPECT_NE(run.err.find("menu.txt: cut 1 line below the screen's 25 rows\n"), std::string::npos);
    EXPECT_NE(run.err.find("font.bin: the font lacks 1 of the 107 characters: 文 (U+6587)\n"),
              std::string::npos)
        << run.err;
    const QImage image(QString::fromStdString(dir / "s.png"));
    EXPECT_EQ(image.size(), QSize(640, 480));
    EXPECT_EQ(qGray(image.pixel(639, 37)), 170);  // row 2 chosen
}

// Bad input: status 2, one line on standard error, no picture.
TEST(Screen, RefusesBadInput) {
    testsupport::TempDir dir;
    testsupport::bigFiveFont().writeTo(dir / "font.bin");
    testsupport::writeBytes(dir / "bad.txt", {'A', 0xC3, '\n'});
    testsupport::writeBytes(dir / "menu.txt", {'A', '\n'});
    std::ofstream(dir / "long.txt") << std::string(kTextLimit + 1, '\n');
    for (const auto& [args, inErr] : std::initializer_list<std::pair<const char*, const char*>>{
             {"DIR/menu.txt --select 26", "--select 26: the screen has 25 rows"},
             {"DIR/bad.txt", "bad.txt: line 1 is not UTF-8"},
             {"DIR/none.txt", "none.txt: No such file"},
             {"DIR/long.txt", "long.txt: longer than 1048576 bytes"},
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
