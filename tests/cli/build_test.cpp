// bootfont export and build: the samples survive export (BDF by character or code, .hex) and
// build byte for byte, and build from themselves; gzipped fonts, bitmap strikes, fonts of X and
// Windows charsets and outline fonts give their glyphs at the right codes; a boot font patched
// from sources before and after it keeps its glyphs; every font written checks clean; bad input
// writes nothing and leaves an earlier file as it was.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "bootfont/codepage.h"
#include "bootfont/fontcheck.h"
#include "cli/bootfontrun.h"
#include "support/bootfontbuilder.h"

namespace {

using Rows = std::vector<std::uint8_t>;

using testsupport::bootfont;
using testsupport::contents;

// A font that build wrote, read whole; it checks without errors or warnings.
bootfont::WholeFont built(const std::filesystem::path& file) {
    bootfont::FontFileReader reader(file);
    auto font = bootfont::readWholeFont(reader);
    for (const bootfont::Finding& finding : bootfont::checkFont(font)) {
        EXPECT_EQ(finding.severity, bootfont::Severity::Note)
            << finding.id << ": " << finding.message;
    }
    return font;
}

// The glyphs of a font that build wrote, by code: single bytes and lead << 8 | trail.
std::map<unsigned, Rows> glyphs(const std::filesystem::path& file) {
    const auto font = built(file);
    std::map<unsigned, Rows> glyphs;
    for (const auto& r : font.sbcsGlyphs) {
        glyphs[r.code()] = Rows(r.Bitmap.begin(), r.Bitmap.end());
    }
    for (const auto& r : font.dbcsGlyphs) {
        glyphs[r.code()] = Rows(r.Bitmap.begin(), r.Bitmap.end());
    }
    return glyphs;
}

// {sample, its language, what export writes}
using RoundTripCase = std::tuple<std::pair<const char*, const char*>, const char*>;
class RoundTrip : public testing::TestWithParam<RoundTripCase> {};

// FreeType reads the BDF fonts back (by character or, with --native, by code) and the .hex
// reader the Unifont file; bdftopcf accepts the BDF. A boot font is a source as it stands.
TEST_P(RoundTrip, ExportThenBuildGivesTheSampleByteForByte) {
    const auto [sample, format] = GetParam();
    testsupport::TempDir dir;
    const std::string file = std::string(SAMPLE_FONT_DIR) + "/bootfont-" + sample.first + ".bin";
    const bool exported = std::string(format) != "bin";
    const std::string source = exported ? "DIR/font." + std::string(format).substr(0, 3) : file;
    if (exported) {
        ASSERT_EQ(bootfont("export " + file + " -o DIR/font." + format, &dir).status, 0);
    }
    const auto [status, out, err] =
        bootfont(std::string("build -o DIR/font.bin --lang ") + sample.second + " " + source, &dir);
    ASSERT_EQ(status, 0) << err;
    EXPECT_TRUE(contents(dir / "font.bin") == contents(file));
    built(dir / "font.bin");
    if (source.ends_with("bdf")) {
        const std::string pcf = "bdftopcf -o /dev/null " + (dir / "font.bdf").string();
        EXPECT_EQ(std::system(pcf.c_str()), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Samples, RoundTrip,
    testing::Combine(testing::Values(std::pair{"zh-cn", "0x804"}, std::pair{"zh-tw", "0x404"},
                                     std::pair{"ja", "0x411"}, std::pair{"ko", "0x412"}),
                     testing::Values("bdf", "bdf --native", "hex", "bin")));

// A gzipped font gives the font's glyphs; one that unpacks to more than 64 MB is refused.
TEST(Build, TakesAGzippedFontsGlyphsAndRefusesOneThatUnpacksPast64Mb) {
    testsupport::TempDir dir;
    const std::string gzip = "gzip -c " WQY_PCF " >" + (dir / "wqy.pcf.gz").string() +
                             "; head -c 67108865 /dev/zero | gzip >" + (dir / "huge.gz").string();
    ASSERT_EQ(std::system(gzip.c_str()), 0);
    const std::string codes = " --lang 0x804 --sbcs-range 0x20-0x7E --dbcs-range 0xB0A1-0xB0FE";
    ASSERT_EQ(bootfont("build -o DIR/gz.bin DIR/wqy.pcf.gz" + codes, &dir).status, 0);
    ASSERT_EQ(bootfont("build -o DIR/pcf.bin " WQY_PCF + codes, &dir).status, 0);
    EXPECT_TRUE(contents(dir / "gz.bin") == contents(dir / "pcf.bin"));
    built(dir / "gz.bin");
    const auto huge = bootfont("build -o DIR/f.bin --lang 0x804 DIR/huge.gz", &dir);
    EXPECT_EQ(huge.status, 2);
    EXPECT_NE(huge.err.find("huge.gz: unpacks to more than 64 MB"), std::string::npos) << huge.err;
}

// An OpenType bitmap font with strikes of 12, 16 and 20 pixels, whose A is one row on the baseline
// holding the strike's size as a byte: the 16-pixel strike's A, in the 14th row from the top.
TEST(Build, TakesTheStrikeNearest16Pixels) {
    testsupport::TempDir dir;
    std::string bdfs;
    for (const int pixels : {12, 16, 20}) {
        const auto bdf = dir / ("s" + std::to_string(pixels) + ".bdf");
        std::ofstream(bdf) << "STARTFONT 2.1\nFONT -x-s-medium-r-normal--" << pixels << "-"
                           << pixels * 10 << "-75-75-c-80-ISO10646-1\nSIZE " << pixels
                           << " 75 75\nFONTBOUNDINGBOX 8 " << pixels
                           << " 0 -2\nSTARTPROPERTIES 5\nPIXEL_SIZE " << pixels
                           << "\nCHARSET_REGISTRY \"ISO10646\"\n"
                           << "CHARSET_ENCODING \"1\"\nFONT_ASCENT " << pixels - 2
                           << "\nFONT_DESCENT 2\nENDPROPERTIES\nCHARS 1\nSTARTCHAR A\nENCODING 65\n"
                           << "SWIDTH 500 0\nDWIDTH 8 0\nBBX 8 1 0 0\nBITMAP\n"
                           << std::hex << std::setw(2) << std::setfill('0') << pixels
                           << "\nENDCHAR\nENDFONT\n";
        bdfs += " " + bdf.string();
    }
    ASSERT_EQ(std::system(("fonttosfnt -o " + (dir / "s.otb").string() + bdfs).c_str()), 0);
    ASSERT_EQ(bootfont("build -o DIR/f.bin --lang 0x409 --sbcs-range 0x41 DIR/s.otb", &dir).status,
              0);
    Rows a(16);
    a[13] = 16;
    EXPECT_EQ(glyphs(dir / "f.bin"), (std::map<unsigned, Rows>{{0x41, a}}));
}

// {X charset registry and encoding; the font's code of the glyph; language; the boot font's code}
using XCharsetCase = std::tuple<std::string, unsigned, const char*, unsigned>;
class XCharset : public testing::TestWithParam<XCharsetCase> {};

TEST_P(XCharset, MapsTheFontsCodesThroughUnicode) {
    const auto [charset, xCode, language, code] = GetParam();
    const auto dash = charset.rfind('-');
    const unsigned width = code > 0xFF ? 16 : 8;
    Rows rows;
    std::ostringstream bitmap;
    for (unsigned r = 0; r < 16; ++r) {  // a diagonal, the right edge, and a column past it
        const unsigned row = (1U << (width - 1)) >> r | 1U;
        bitmap << std::hex << std::setw(width / 4 + 2) << std::setfill('0') << (row << 8 | 0x80)
               << '\n';
        if (width == 16) {
            rows.push_back(static_cast<std::uint8_t>(row >> 8));
        }
        rows.push_back(static_cast<std::uint8_t>(row));
    }
    testsupport::TempDir dir;
    std::ofstream font(dir / "x.font", std::ios::binary);
    font << "STARTFONT 2.1\nFONT -x-x-medium-r-normal--16-160-75-75-c-160-" << charset
         << "\nSIZE 16 75 75\nFONTBOUNDINGBOX 16 16 0 -2\nSTARTPROPERTIES 4\n"
         << "CHARSET_REGISTRY \"" << charset.substr(0, dash) << "\"\nCHARSET_ENCODING \""
         << charset.substr(dash + 1) << "\"\nFONT_ASCENT 14\nFONT_DESCENT 2\nENDPROPERTIES\n"
         << "CHARS 1\nSTARTCHAR x\nENCODING " << xCode << "\nSWIDTH 1000 0\nDWIDTH " << width
         << " 0\nBBX " << width + 1 << " 16 0 -2\nBITMAP\n"
         << bitmap.str() << "ENDCHAR\nENDFONT\n";
    font.close();
    const auto [status, out, err] =
        bootfont(std::string("build -o DIR/f.bin --lang ") + language + " DIR/x.font", &dir);
    ASSERT_EQ(status, 0) << err;
    EXPECT_EQ(glyphs(dir / "f.bin"), (std::map<unsigned, Rows>{{code, rows}}));
}

// 中 in GB 2312, Big5 and JIS X 0208; 한 in KS X 1001; Cyrillic А in ISO 8859-5 and KOI8-R, 0x80
// in code page 866.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Registries, XCharset, testing::Values(
    XCharsetCase{"GB2312.1980-0", 0x5650, "0x804", 0xD6D0},
    XCharsetCase{"BIG5.ETEN-0", 0xA4A4, "0x404", 0xA4A4},
    XCharsetCase{"JISX0208.1983-0", 0x4366, "0x411", 0x9286},
    XCharsetCase{"KSC5601.1987-0", 0x4751, "0x412", 0xC7D1},
    XCharsetCase{"ISO8859-5", 0xB0, "0x419", 0x80},
    XCharsetCase{"KOI8-R", 0xE1, "0x419", 0x80}));
// clang-format on

// Wine's VGA system fonts, Windows FON files of code pages 1252, 1251 and 1254, 16 pixels high:
// each glyph 8 pixels wide comes across row for row as FreeType reads it, at the code its
// character has in the language's code page.
using FonCase = std::tuple<const char*, int, const char*, int>;  // file, its code page, language's
class WindowsFon : public testing::TestWithParam<FonCase> {};

TEST_P(WindowsFon, GivesItsGlyphsAtTheirCharactersCodes) {
    const auto [file, fonCodePage, language, codePage] = GetParam();
    const std::string path = std::string(WINE_FONT_DIR "/") + file;
    testsupport::TempDir dir;
    const auto run =
        bootfont(std::string("build -o DIR/f.bin --lang ") + language + " " + path, &dir);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto built = glyphs(dir / "f.bin");
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library) || FT_New_Face(library, path.c_str(), 0, &face) ||
                  FT_Set_Charmap(face, face->charmaps[0]),
              0);
    const bootfont::CodePage from(fonCodePage), to(codePage);
    int compared = 0;
    for (unsigned byte = 0x20; byte <= 0xFF; ++byte) {
        const std::uint8_t code[] = {static_cast<std::uint8_t>(byte)};
        const auto character = from.toUnicode(code);
        const auto target = character ? to.fromUnicode(*character) : std::nullopt;
        const FT_GlyphSlot glyph = face->glyph;
        if (!target || FT_Load_Char(face, byte, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0 ||
            glyph->advance.x != 8 * 64 || glyph->bitmap.width != 8) {
            continue;
        }
        ASSERT_EQ(glyph->bitmap.rows, 16U);
        Rows rows(16);
        for (int row = 0; row < 16; ++row) {
            rows[row] = glyph->bitmap.buffer[row * glyph->bitmap.pitch];
        }
        EXPECT_EQ(built.at(target->at(0)), rows) << file << ", byte " << std::hex << byte;
        ++compared;
    }
    EXPECT_GT(compared, 60) << "glyphs of the font's width";
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}

INSTANTIATE_TEST_SUITE_P(Wine, WindowsFon,
                         testing::Values(FonCase{"vgasys.fon", 1252, "0x407", 850},
                                         FonCase{"vgasysr.fon", 1251, "0x419", 866},
                                         FonCase{"vgasyst.fon", 1254, "0x41F", 857}),
                         [](const auto& info) { return std::to_string(std::get<1>(info.param)); });

// An outline font drawn as large as fits: its glyphs reach from the cell's top row to its bottom
// row, letters without descenders stand on one baseline, and the same build gives the same bytes.
TEST(Build, DrawsAnOutlineFontToFillTheCellReproducibly) {
    testsupport::TempDir dir;
    const std::string build = "build --lang 0x409 " DEJAVU_MONO " -o DIR/";
    ASSERT_EQ(bootfont(build + "a.bin", &dir).status, 0);
    ASSERT_EQ(bootfont(build + "b.bin", &dir).status, 0);
    EXPECT_TRUE(contents(dir / "a.bin") == contents(dir / "b.bin"));
    std::map<unsigned, std::pair<int, int>> inked;  // code: first and last inked row
    int top = 16, bottom = -1;
    for (const auto& [code, rows] : glyphs(dir / "a.bin")) {
        for (int row = 0; row < 16; ++row) {
            if (rows[row] != 0) {
                inked.try_emplace(code, row, row).first->second.second = row;
                top = std::min(top, row);
                bottom = std::max(bottom, row);
            }
        }
    }
    EXPECT_LE(top, 1);
    EXPECT_GE(bottom, 14);
    for (const unsigned letter : std::string_view("EHTnxz")) {
        EXPECT_EQ(inked.at(letter).second, inked.at('H').second) << char(letter);
    }
    EXPECT_GT(inked.at('p').second, inked.at('H').second);
    EXPECT_EQ(inked.at('H'), std::pair(3, 11)) << "a pixel size more or less moves H's rows";
}

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
    std::ofstream(dir / "latin.hex") << "0041:" << std::string(30, '0') << "ff\n";
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

struct BuildCase {
    const char* name;
    std::string args;  // after "build -o DIR/f.bin"
    int status;
    const char* inErr;
    bool overAFile = false;  // DIR/f.bin is there before
};

class BuildRun : public testing::TestWithParam<BuildCase> {};

TEST_P(BuildRun, WritesACleanFontOnlyWhenItSucceeds) {
    testsupport::TempDir dir;
    std::ofstream(dir / "text.txt") << "hello\n";
    std::ofstream(dir / "private.hex") << "E000:" << std::string(32, '0') << '\n';
    std::ofstream(dir / "bad.hex") << "4E2D:" << std::string(63, '0') << "G\n";
    std::ofstream(dir / "a-zhong.hex")
        << "0041:" << std::string(32, '0') << "\n4E2D:" << std::string(64, '0') << '\n';
    for (const int width : {256, 257}) {  // 中 as a block of so many pixels by 16
        std::ofstream bdf(dir / ("w" + std::to_string(width) + ".bdf"));
        bdf << "STARTFONT 2.1\nFONT -x-w-medium-r-normal--16-160-75-75-c-160-ISO10646-1\n"
            << "SIZE 16 75 75\nFONTBOUNDINGBOX " << width << " 16 0 -2\nSTARTPROPERTIES 4\n"
            << "CHARSET_REGISTRY \"ISO10646\"\nCHARSET_ENCODING \"1\"\nFONT_ASCENT 14\n"
            << "FONT_DESCENT 2\nENDPROPERTIES\nCHARS 1\nSTARTCHAR w\nENCODING 20013\n"
            << "SWIDTH 1000 0\nDWIDTH 16 0\nBBX " << width << " 16 0 -2\nBITMAP\n";
        for (int row = 0; row < 16; ++row) {
            bdf << std::string((width + 7) / 8 * 2, 'F') << '\n';
        }
        bdf << "ENDCHAR\nENDFONT\n";
    }
    if (GetParam().overAFile) {
        std::ofstream(dir / "f.bin") << "earlier";
    }
    const auto [status, out, err] = bootfont("build -o DIR/f.bin " + GetParam().args, &dir);
    EXPECT_EQ(status, GetParam().status);
    EXPECT_NE(err.find(GetParam().inErr), std::string::npos) << err;
    if (status == 0) {
        built(dir / "f.bin");
    } else if (GetParam().overAFile) {
        EXPECT_EQ(contents(dir / "f.bin"), "earlier");
    } else {
        EXPECT_FALSE(std::filesystem::exists(dir / "f.bin"));
    }
}

// Lead bytes A1, A3, A5, A7 and B0: five ranges, as many as the header holds.
const std::string kFiveRanges =
    "--lang 0x804 --dbcs-range 0xA1A1-0xA1FE --dbcs-range 0xA3A1-0xA3FE --dbcs-range 0xA5A1-0xA5FE "
    "--dbcs-range 0xA7A1-0xA7FE --dbcs-range 0xB0A1-0xB0FE ";
const std::string kSixRanges = kFiveRanges + "--dbcs-range 0xB2A1-0xB2FE " UNIFONT_HEX;
// Six runs of lead bytes: the nearest gap (0xA2, the lowest of four of one byte) is joined, as
// code page 936 reads every byte from 0x81 as a lead byte.
const char* const kSixRangesJoined =
    "f.bin: the double-byte codes need 6 lead-byte ranges, more than the header's 5; written: 0xA1 "
    "to 0xA3, 0xA5 to 0xA5, 0xA7 to 0xA7, 0xB0 to 0xB0, 0xB2 to 0xB2, joined across lead bytes of "
    "code page 936 without glyphs";

// α is 8 pixels wide in Unifont: a double-byte cell centres it.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, BuildRun, testing::Values(
    BuildCase{"Fitted", "--lang 0x804 --dbcs-range 0xA6C1 " UNIFONT_HEX, 0, "1 glyph is not the size of its cell (the first: 0xA6C1"},
    BuildCase{"Strict", "--lang 0x804 --dbcs-range 0xA6C1 --strict " UNIFONT_HEX, 2, "--strict"},
    BuildCase{"FontName", "--lang 0x804 --sbcs-range 0x41 --dbcs-range 0xD6D0 'WenQuanYi Bitmap Song'", 0, ""},
    // A glyph up to 256 pixels each way is cut to its cell; a larger one is a damaged font.
    BuildCase{"Glyph256Wide", "--lang 0x804 --dbcs-range 0xD6D0 DIR/w256.bdf", 0, "1 glyph is not the size of its cell"},
    BuildCase{"Glyph257Wide", "--lang 0x804 --dbcs-range 0xD6D0 DIR/w257.bdf", 2, "w257.bdf: the glyph of U+4E2D is 257 x 16 pixels"},
    BuildCase{"NoGlyph", "--lang 0x804 DIR/private.hex", 2, "no source has a glyph for any code of EUC-CN"},
    // 中 is 0xD6D0; 0xD6D1, 忠, has no glyph.
    BuildCase{"OneCodeWithoutGlyph", "--lang 0x804 --sbcs-range 0x41 --dbcs-range 0xD6D0-0xD6D1 DIR/a-zhong.hex", 0,
              "f.bin: 1 code of EUC-CN (code page 936) has no glyph in the sources and is left out"},
    BuildCase{"NotAFont", "--lang 0x804 DIR/text.txt", 2, "text.txt: not a font"},
    BuildCase{"BadHexDigit", "--lang 0x804 DIR/bad.hex", 2, "bad.hex: not a font"},
    BuildCase{"OnlyAControlCode", "--lang 0x409 --sbcs-range 0x7F " UNIFONT_HEX, 2, "no source has a glyph for any code of CP437"},
    BuildCase{"NoSource", "--lang 0x804 DIR/none.bdf", 2, "none.bdf: no such file, nor an installed font"},
    BuildCase{"GlyphWithoutBitmap", "--lang 0x804 " SOURCE_CORPUS "/damaged-bbx-bitmap.bdf", 2, "bdf: the glyph of U+007E has a size but no bitmap data"},
    BuildCase{"HugeGlyph", "--lang 0x804 " SOURCE_CORPUS "/huge-bounding-box.bdf", 2, "bdf: the glyph of U+0021 is 65535 x 14010 pixels"},
    BuildCase{"UnknownLanguage", "--lang 0x7F " UNIFONT_HEX, 2, "language 0x7F has no code page"},
    BuildCase{"UnknownCodePage", "--lang 0x804 --codepage 1252 " UNIFONT_HEX, 2, "code page 1252 is not"},
    BuildCase{"FiveLeadRanges", kFiveRanges + UNIFONT_HEX, 0, ""},
    BuildCase{"SixLeadRanges", kSixRanges, 0, kSixRangesJoined},
    BuildCase{"NoGlyphOverAFile", "--lang 0x804 DIR/private.hex", 2, "no source has a glyph", true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
