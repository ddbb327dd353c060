// bootfont patch: in each record layout, and with bytes after the tables, exactly the bitmap bytes
// of the glyphs it changes differ; its options narrow what changes; check errors, bad input and a
// failed write leave every file as it was.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "cli/bootfontrun.h"
#include "support/bootfontbuilder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using testsupport::bootfont;

struct Layout {
    std::size_t sbcs, dbcs;  // record strides
};
constexpr Layout kPlain{17, 34}, kWithUnicode{19, 36};

// A Chinese (PRC) font: A and a blank B at 0x41 and 0x42, 啊 and 阿 at 0xB0A1 and 0xB0A2, each
// inked in its first pixel and carrying its Unicode value where the stride leaves room (else the
// code page gives it), then the bytes "tail".
Bytes font(Layout stride) {
    std::vector<bootfont::SbcsGlyphRecord> sbcs{{0x41, {0x80}, {0x41}}, {0x42, {}, {0x42}}};
    std::vector<bootfont::DbcsGlyphRecord> dbcs{{{0xB0, 0xA1}, {0x80}, {0x4A, 0x55}},
                                                {{0xB0, 0xA2}, {0x80}, {0x3F, 0x96}}};
    testsupport::BootFontBuilder builder;
    builder.standardMetrics().header().LanguageId = 0x804;
    builder.header().DbcsLeadTable = {0xB0, 0xB0};
    const std::size_t dbcsAt = 49 + 2 * stride.sbcs;
    return builder.sbcsTable(49, sbcs, stride.sbcs)
        .dbcsTable(static_cast<std::int32_t>(dbcsAt), dbcs, stride.dbcs)
        .bytesAt(dbcsAt + 2 * stride.dbcs, {'t', 'a', 'i', 'l'})
        .build();
}

// A's last row inked, B as it is, 啊's first row, and 阿 8 pixels wide (centred in its cell).
const std::string kSource = "0041:" + std::string(30, '0') + "FF\n0042:" + std::string(32, '0') +
                            "\n554A:FFFF" + std::string(60, '0') + "\n963F:FF" +
                            std::string(30, '0') + '\n';
constexpr unsigned kA = 1, kAh = 2, kAa = 4, kAll = 7;

// The font's bytes with the new bitmaps of `changed` at their places.
Bytes patched(Bytes bytes, Layout stride, unsigned changed) {
    const std::size_t ah = 49 + 2 * stride.sbcs + 2, aa = ah + stride.dbcs;
    const std::tuple<unsigned, std::size_t, std::uint8_t> rows[] = {
        {kA, 50, 0},         {kA, 65, 0xFF},  {kAh, ah, 0xFF},
        {kAh, ah + 1, 0xFF}, {kAa, aa, 0x0F}, {kAa, aa + 1, 0xF0}};
    for (const auto& [glyph, at, value] : rows) {
        bytes[at] = changed & glyph ? value : bytes[at];
    }
    return bytes;
}

Bytes bytesOf(const std::filesystem::path& file) {
    const std::string text = testsupport::contents(file);
    return {text.begin(), text.end()};
}

struct PatchCase {
    const char* name;
    std::string args;  // after "patch"; DIR holds f.bin, bad.bin (a check error) and src.hex
    int status;
    unsigned changed = 0;
    const char* written = "";  // the file patched, if any
    const char* inOut = "";
    const char* inErr = "";
    Layout layout = kWithUnicode;
};

class Patch : public testing::TestWithParam<PatchCase> {};

TEST_P(Patch, ChangesExactlyTheBitmapBytesOfItsGlyphs) {
    const PatchCase& c = GetParam();
    testsupport::TempDir dir;
    const Bytes original = font(c.layout);
    Bytes bad = original;
    bad[44] = 0;  // the glyph height
    testsupport::writeBytes(dir / "f.bin", original);
    testsupport::writeBytes(dir / "bad.bin", bad);
    const auto mode = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    std::filesystem::permissions(dir / "f.bin", mode);  // kept when f.bin is written over
    std::ofstream(dir / "src.hex") << kSource;
    const auto run = bootfont("patch " + c.args, &dir);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.out.find(c.inOut), std::string::npos) << run.out;
    EXPECT_NE(run.err.find(c.inErr), std::string::npos) << run.err;
    std::set<std::string> files, expected{"bad.bin", "f.bin", "src.hex"};
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        files.insert(entry.path().filename());
    }
    if (*c.written) {
        expected.insert(c.written);
        EXPECT_EQ(bytesOf(dir / c.written), patched(original, c.layout, c.changed));
    }
    EXPECT_EQ(files, expected);
    EXPECT_EQ(std::filesystem::status(dir / "f.bin").permissions(), mode);
    EXPECT_EQ(bytesOf(dir / "f.bin"),
              patched(original, c.layout, c.written == std::string("f.bin") ? c.changed : 0));
}

const char* const kFitted =
    "f.bin: 1 glyph is not the size of its cell (the first: 0xB0A2 (U+963F)); it was centred or "
    "cut to fit";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Patch, testing::Values(
    PatchCase{"Plain", "DIR/f.bin DIR/src.hex -o DIR/o.bin", 0, kAll, "o.bin", "changed: sbcs 0x41 U+0041 A: bitmap\n", kFitted, kPlain},
    PatchCase{"WithUnicodeAndTail", "DIR/f.bin DIR/src.hex -o DIR/o.bin", 0, kAll, "o.bin", "o.bin differ: 0 header fields, 0 glyphs only in the old font, 0 only in the new, 3 changed\n", kFitted},
    PatchCase{"Only", "DIR/f.bin DIR/src.hex --only 啊 -o DIR/o.bin", 0, kAh, "o.bin", "changed: dbcs 0xB0A1 U+554A 啊: bitmap\n", "", kPlain},
    PatchCase{"Sbcs", "DIR/f.bin DIR/src.hex --sbcs -o DIR/o.bin", 0, kA, "o.bin", "1 changed\n"},
    PatchCase{"DbcsRange", "DIR/f.bin DIR/src.hex --dbcs-range 0xB0A2-0xB0FE -o DIR/o.bin", 0, kA | kAa, "o.bin", "2 changed\n"},
    PatchCase{"DryRun", "DIR/f.bin DIR/src.hex --dry-run", 0, 0, "", "f.bin (patched) differ: 0 header fields, 0 glyphs only in the old font, 0 only in the new, 3 changed\n"},
    PatchCase{"InPlace", "DIR/f.bin DIR/src.hex -o DIR/f.bin", 0, kAll, "f.bin", "3 changed\n"},
    PatchCase{"Json", "DIR/f.bin DIR/src.hex --json --only A -o DIR/o.bin", 0, kA, "o.bin", "\"bitmapChanged\": true"},
    PatchCase{"NothingToChange", "DIR/f.bin DIR/src.hex --only B -o DIR/o.bin", 0, 0, "o.bin", "", "f.bin: no glyph to change"},
    PatchCase{"CheckErrors", "DIR/bad.bin DIR/src.hex -o DIR/o.bin", 1, 0, "", "", "o.bin: not written: the patched font does not pass check"},
    PatchCase{"Strict", "DIR/f.bin DIR/src.hex --strict -o DIR/o.bin", 2, 0, "", "", "--strict refuses to centre or cut it"},
    PatchCase{"NotABootFont", "DIR/src.hex DIR/f.bin -o DIR/o.bin", 2, 0, "", "", "src.hex: not a boot font (no signature)"},
    PatchCase{"NoOutput", "DIR/f.bin DIR/src.hex", 2, 0, "", "", "name the patched font with -o OUT, or give --dry-run"},
    PatchCase{"BadRange", "DIR/f.bin DIR/src.hex --dbcs-range 0xB0A2-0xB0A1 -o DIR/o.bin", 2, 0, "", "", "--dbcs-range 0xB0A2-0xB0A1 ends before it starts"},
    PatchCase{"NotUtf8", "DIR/f.bin DIR/src.hex --only \"$(printf '\\377')\" -o DIR/o.bin", 2, 0, "", "", "--only: TEXT is not UTF-8"},
    PatchCase{"FolderGone", "DIR/f.bin DIR/src.hex -o DIR/gone/o.bin", 2, 0, "", "", "gone/o.bin: cannot create a file in its folder"},
    PatchCase{"ToStandardOutput", "DIR/f.bin DIR/src.hex -o -", 2, 0, "", "", "-o -: the report goes to standard output"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Writing over FONT fails at its first byte (a file size limit of 0): FONT keeps its bytes and
// nothing is left beside it.
TEST(Patch, AFailedWriteLeavesTheFontAsItWas) {
    testsupport::TempDir dir;
    testsupport::writeBytes(dir / "f.bin", font(kWithUnicode));
    std::ofstream(dir / "src.hex") << kSource;
    const std::string command = "cd " + dir.path().string() +
                                " && trap '' XFSZ && ulimit -f 0 && " +
                                BOOTFONT_CLI
                                " patch f.bin src.hex -o f.bin 2>&1 >/dev/null | grep -q "
                                "'^bootfont: f.bin: File too large$'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(bytesOf(dir / "f.bin"), font(kWithUnicode));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

}  // namespace
