// bootfont diff: each kind of difference as its line, the exit statuses, the JSON and the
// picture's panels, worked out from the two fonts' bytes.
#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <nlohmann/json.hpp>

#include "cli/bootfontrun.h"
#include "support/bootfontbuilder.h"

namespace {

using testsupport::bootfont;

// A Chinese (PRC) font: A and B with their Unicode values, and 啊 at 0xB0A1; the top pad 1. A is
// inked in its top left pixel. `change` edits the records or the builder before it writes.
struct Font {
    std::vector<bootfont::SbcsGlyphRecord> sbcs{{0x41, {0x80}}, {0x42}};
    std::vector<bootfont::DbcsGlyphRecord> dbcs{{{0xB0, 0xA1}}};
    testsupport::BootFontBuilder builder;

    std::filesystem::path writeTo(const std::filesystem::path& file,
                                  const std::function<void(Font&)>& change = {}) {
        sbcs[0].setUnicode(0x41);
        sbcs[1].setUnicode(0x42);
        dbcs[0].setUnicode(0x554A);
        builder.header().LanguageId = 0x804;
        builder.header().CharacterTopPad = 1;
        if (change) {
            change(*this);
        }
        return builder.sbcsTable(49, sbcs, 19).dbcsTable(49 + 19 * 3, dbcs, 36).writeTo(file);
    }
};

struct DiffCase {
    const char* name;
    std::function<void(Font&)> change;
    std::string args;
    int status;
    const char* inOut;
    const char* inErr = "";
    bool picture = false;  // whether -o DIR/d.png was written
};

class Diff : public testing::TestWithParam<DiffCase> {};

TEST_P(Diff, ReportsTheDifferenceWithItsStatus) {
    testsupport::TempDir dir;
    Font().writeTo(dir / "old.bin");
    Font().writeTo(dir / "new.bin", GetParam().change);
    const auto run = bootfont("diff DIR/old.bin " + GetParam().args, &dir);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    EXPECT_NE(run.out.find(GetParam().inOut), std::string::npos) << run.out;
    EXPECT_EQ(*GetParam().inOut == '\0', run.out.empty()) << run.out;
    EXPECT_NE(run.err.find(GetParam().inErr), std::string::npos) << run.err;
    EXPECT_EQ(*GetParam().inErr == '\0', run.err.empty()) << run.err;
    EXPECT_EQ(std::filesystem::exists(dir / "d.png"), GetParam().picture);
}

const auto kBitmap = [](Font& f) { f.sbcs[0].Bitmap[15] = 0x01; };

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Diff, testing::Values(
    DiffCase{"Same", {}, "DIR/new.bin -o DIR/d.png", 0, "", "", true},
    DiffCase{"Bitmap", kBitmap, "DIR/new.bin", 1, "changed: sbcs 0x41 U+0041 A: bitmap\n"},
    DiffCase{"Summary", kBitmap, "DIR/new.bin", 1, "new.bin differ: 0 header fields, 0 glyphs only in the old font, 0 only in the new, 1 changed\n"},
    DiffCase{"Unicode", [](Font& f) { f.sbcs[1].setUnicode(0x62); }, "DIR/new.bin", 1, "changed: sbcs 0x42 U+0042 B -> U+0062 b: Unicode value\n"},
    DiffCase{"Added", [](Font& f) { f.sbcs.push_back({0x43}); f.sbcs[2].setUnicode(0x43); }, "DIR/new.bin", 1, "\nonly in new: sbcs 0x43 U+0043 C\n"},
    DiffCase{"Removed", [](Font& f) { f.sbcs.pop_back(); }, "DIR/new.bin", 1, "\nonly in old: sbcs 0x42 U+0042 B\n"},
    DiffCase{"Header", [](Font& f) { f.builder.header().CharacterTopPad = 2; }, "DIR/new.bin", 1, "header CharacterTopPad: 1 -> 2\n"},
    DiffCase{"Cut", [](Font& f) { f.builder.truncateTo(49 + 19 * 3 + 20); }, "DIR/new.bin", 1, "only in old: dbcs 0xB0A1 U+554A 啊\n", "new.bin: the double-byte table runs past the end of the file; 0 of its 1 record compared"},
    DiffCase{"NotBootFont", [](Font& f) { f.builder.bytesAt(0, {'T'}); }, "DIR/new.bin -o DIR/d.png", 2, "", "new.bin: not a boot font (no signature)"},
    DiffCase{"Missing", {}, "DIR/none.bin -o DIR/d.png", 2, "", "none.bin: No such file"},
    DiffCase{"BadScale", kBitmap, "DIR/new.bin -o DIR/d.png --scale 0", 2, "", "--scale: Value 0 not in range 1 to 16"},
    DiffCase{"PictureOverAnInput", kBitmap, "DIR/new.bin -o DIR/./new.bin", 2, "", "new.bin: is an input file"},
    DiffCase{"PictureToStandardOutput", kBitmap, "DIR/new.bin -o -", 2, "", "-o -: the report goes to standard output"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Diff, GivesEachLeafInJson) {
    testsupport::TempDir dir;
    Font().writeTo(dir / "old.bin");
    Font().writeTo(dir / "new.bin", [](Font& f) {
        f.builder.header().CharacterTopPad = 2;
        f.sbcs[0].Bitmap[0] = 0;
        f.sbcs[1].setUnicode(0);  // the code page gives 0x42 its B
    });
    const auto run = bootfont("diff DIR/old.bin DIR/new.bin --json", &dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(nlohmann::json::parse(run.out),
              nlohmann::json::parse(
                  R"({
        "old": ")" +
                  (dir / "old.bin").string() + R"(", "new": ")" + (dir / "new.bin").string() +
                  R"(", "same": false, "onlyInOld": [], "onlyInNew": [], "cutTables": [],
        "headerFields": [{"field": "CharacterTopPad", "old": 1, "new": 2}],
        "changed": [
          {"table": "sbcs", "code": "0x41", "bitmapChanged": true, "unicodeChanged": false,
           "old": {"unicode": "U+0041", "character": "A"}, "new": {"unicode": "U+0041", "character": "A"}},
          {"table": "sbcs", "code": "0x42", "bitmapChanged": false, "unicodeChanged": true,
           "old": {"unicode": "U+0042", "character": "B"}, "new": {"unicode": "U+0042", "character": "B"}}]})"));
}

// One pair: the label 0x41 after a margin of 4, the old glyph in an 18-pixel cell after the
// 36-pixel label, a divider in the middle of 3 pixels, the new glyph in the next cell.
TEST(Diff, DrawsTheChangedGlyphOldBesideNew) {
    testsupport::TempDir dir;
    Font().writeTo(dir / "old.bin");
    Font().writeTo(dir / "new.bin", kBitmap);
    ASSERT_EQ(bootfont("diff DIR/old.bin DIR/new.bin -o DIR/d.png", &dir).status, 1);
    const QImage image(QString::fromStdString(dir / "d.png"));
    EXPECT_EQ(image.size(), QSize(4 + 36 + 18 + 3 + 18 + 4, 4 + 18 + 4));
    const int oldX = 4 + 36 + 1, newX = oldX + 18 + 3, y = 4 + 1;
    for (const auto& [x, yy, black] :
         std::initializer_list<std::tuple<int, int, bool>>{{oldX, y, true},
                                                           {oldX + 7, y + 15, false},
                                                           {newX, y, true},
                                                           {newX + 7, y + 15, true},
                                                           {4 + 36 + 18 + 1, y, true},
                                                           {4 + 36 + 18 + 1, 4 + 18, false},
                                                           {4, 4 + 4, true},
                                                           {4 + 2, 4 + 4, false}}) {
        EXPECT_EQ(qGray(image.pixel(x, yy)) == 0, black) << x << ", " << yy;
    }
}

// The picture draws at most 1,024 changed glyphs, eight pairs to a row 13 pixels apart, and
// counts the rest on standard error.
TEST(Diff, DrawsAtMostTheLimitOfChangedGlyphs) {
    for (const std::uint32_t changed : {1024U, 1025U}) {
        testsupport::TempDir dir;
        const auto write = [&](const char* name, std::uint32_t firstSeed) {
            auto glyphs = testsupport::dbcsGlyphs(changed, firstSeed);
            for (std::uint32_t k = 0; k < changed; ++k) {
                glyphs[k].setCode(0x8140 + k);
            }
            testsupport::BootFontBuilder().dbcsTable(49, glyphs, 36).writeTo(dir / name);
        };
        write("old.bin", 0);
        write("new.bin", changed);
        const auto run = bootfont("diff DIR/old.bin DIR/new.bin -o DIR/d.png", &dir);
        const bool counted = run.err.find("the first 1024 changed glyphs drawn; 1 more left out") !=
                             std::string::npos;
        EXPECT_EQ(std::pair(counted, run.err.find("left out") != std::string::npos),
                  std::pair(changed > 1024, changed > 1024))
            << run.err;
        const QImage image(QString::fromStdString(dir / "d.png"));
        EXPECT_EQ(image.width(), 4 + 8 * 75 + 7 * 13 + 4);
        EXPECT_EQ(qGray(image.pixel(4 + 75 + 13, 4 + 4)), 0) << "the 8 of the second label, 8141";
    }
}

}  // namespace
