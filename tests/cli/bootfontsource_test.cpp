// bootfont build from boot fonts: a sample as its own source builds the same bytes; a font is
// patched from sources before and after it; records without a Unicode value are taken by code
// only where the code pages agree; a cut boot font is refused.
#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "bootfont/wholefont.h"
#include "cli/bootfontrun.h"
#include "support/bootfontbuilder.h"

namespace {

using testsupport::bootfont;
using testsupport::contents;
using Rows = std::vector<std::uint8_t>;

// Each glyph's rows by code (single bytes, lead << 8 | trail).
std::map<unsigned, Rows> glyphs(const std::filesystem::path& file) {
    bootfont::FontFileReader reader(file);
    const auto font = bootfont::readWholeFont(reader);
    std::map<unsigned, Rows> rows;
    const auto add = [&rows](const auto& records) {
        for (const auto& r : records) {
            rows[r.code()] = Rows(r.Bitmap.begin(), r.Bitmap.end());
        }
    };
    add(font.sbcsGlyphs);
    add(font.dbcsGlyphs);
    return rows;
}

class FromItself : public testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(FromItself, BuildsTheSameBytes) {
    testsupport::TempDir dir;
    const std::string sample =
        std::string(SAMPLE_FONT_DIR) + "/bootfont-" + GetParam().first + ".bin";
    const auto run = bootfont(
        std::string("build -o DIR/f.bin --lang ") + GetParam().second + " " + sample, &dir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contents(dir / "f.bin") == contents(sample));
}

INSTANTIATE_TEST_SUITE_P(Samples, FromItself,
                         testing::Values(std::pair{"zh-cn", "0x804"}, std::pair{"zh-tw", "0x404"},
                                         std::pair{"ja", "0x411"}, std::pair{"ko", "0x412"}));

// A Chinese (PRC) font of A (U+0041), of B without a Unicode value and of 啊 (0xB0A1, U+554A),
// each bitmap a byte of its own.
void writeOld(const std::filesystem::path& file, std::size_t cutTo = SIZE_MAX) {
    std::vector<bootfont::SbcsGlyphRecord> sbcs{{0x41, {0xA0}}, {0x42, {0xB0}}};
    sbcs[0].setUnicode(0x41);
    std::vector<bootfont::DbcsGlyphRecord> dbcs{{{0xB0, 0xA1}, {0xC0}}};
    dbcs[0].setUnicode(0x554A);
    testsupport::BootFontBuilder font;
    font.standardMetrics().header().LanguageId = 0x804;
    font.sbcsTable(49, sbcs, 19).dbcsTable(49 + 2 * 19, dbcs, 36).truncateTo(cutTo).writeTo(file);
}

// Sources in their order: A from a .hex font, B and 啊 from the old font (B by its code), C and
// 埃 (0xB0A2) from Unifont.
TEST(FromABootFont, KeepsItsGlyphsAndFillsTheRest) {
    testsupport::TempDir dir;
    writeOld(dir / "old.bin");
    std::ofstream(dir / "latin.hex") << "0041:" << std::string(30, '0') << "FF\n";
    const std::string codes = " --lang 0x804 --sbcs-range 0x41-0x43 --dbcs-range 0xB0A1-0xB0A2 ";
    ASSERT_EQ(bootfont("build -o DIR/u.bin" + codes + UNIFONT_HEX, &dir).status, 0);
    const auto run =
        bootfont("build -o DIR/f.bin" + codes + "DIR/latin.hex DIR/old.bin " UNIFONT_HEX, &dir);
    ASSERT_EQ(run.status, 0) << run.err;
    auto expected = glyphs(dir / "u.bin");
    expected[0x41] = Rows(15, 0);
    expected[0x41].push_back(0xFF);
    expected[0x42] = Rows{0xB0};
    expected[0x42].resize(16);
    expected[0xB0A1] = Rows{0xC0};
    expected[0xB0A1].resize(32);
    EXPECT_EQ(glyphs(dir / "f.bin"), expected);
}

// B carries no Unicode value: code page 950 (Chinese, Taiwan) is not the old font's 936, so its
// code says nothing there. A cut font is no source.
TEST(FromABootFont, RefusesAnotherCodePagesCodesAndACutFont) {
    using Case = std::tuple<std::size_t, const char*, const char*>;  // cut to, language, error
    for (const auto& [cutTo, language, inErr] : std::initializer_list<Case>{
             {SIZE_MAX, "0x404", "no source has a glyph"},
             {49 + 2 * 19 + 10, "0x804", "old.bin: a glyph table runs past the end of the file"}}) {
        testsupport::TempDir dir;
        writeOld(dir / "old.bin", cutTo);
        const auto run = bootfont(
            std::string("build -o DIR/f.bin --sbcs-range 0x42 --dbcs-range 0xA140 --lang ") +
                language + " DIR/old.bin",
            &dir);
        EXPECT_EQ(run.status, 2) << language;
        EXPECT_NE(run.err.find(inErr), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "f.bin"));
    }
}

}  // namespace
