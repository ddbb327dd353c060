// The bootfont program as a script runs it: exit statuses, where messages go, reading standard
// input, and its output on the shipped samples.
#include <gtest/gtest.h>
#include <set>

#include "cli/bootfontrun.h"
#include "cli/unknowncommand.h"
#include "support/bootfontbuilder.h"
#include "support/tempdir.h"

namespace {

using testsupport::bootfont;
using testsupport::ProgramRun;

const std::string kSamples = SAMPLE_FONT_DIR;
const std::string kSample = kSamples + "/bootfont-zh-tw.bin";

struct ProgramCase {
    const char* name;
    std::string args;
    int status;
    const char* inOut;         // text stdout contains ("" for empty stdout)
    const char* inErr;         // text stderr contains ("" for empty stderr)
    const char* creates = "";  // the one file the run adds to DIR
};

class Program : public testing::TestWithParam<ProgramCase> {};

TEST_P(Program, ExitsWithItsStatusAndWritesWhereItShould) {
    testsupport::TempDir dir;
    testsupport::writeBytes(dir / "empty.bin", {});
    testsupport::writeBytes(dir / "text.txt", {'h', 'e', 'l', 'l', 'o', '\n'});
    testsupport::BootFontBuilder()
        .dbcsTable(49, testsupport::dbcsGlyphs(3))
        .truncateTo(100)
        .writeTo(dir / "cut.bin");
    testsupport::BootFontBuilder()
        .sbcsTable(49, testsupport::sbcsGlyphs(2))
        .writeTo(dir / "font.bin");
    testsupport::polishFont().writeTo(dir / "pl.bin");
    const auto before = std::filesystem::file_size(dir / "font.bin");
    const ProgramRun run = bootfont(GetParam().args, &dir);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    const auto expect = [](const std::string& text, const std::string& part) {
        EXPECT_TRUE(part.empty() ? text.empty() : text.find(part) != std::string::npos) << text;
    };
    expect(run.out, GetParam().inOut);
    expect(run.err, GetParam().inErr);
    // Output is written whole or not at all, never over the input, and leaves nothing else behind.
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        files.insert(entry.path().filename());
    }
    std::set<std::string> expected{"cut.bin", "empty.bin", "font.bin", "pl.bin", "text.txt"};
    if (*GetParam().creates) {
        expected.insert(GetParam().creates);
    }
    EXPECT_EQ(files, expected);
    EXPECT_EQ(std::filesystem::file_size(dir / "font.bin"), before);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Program, testing::Values(
    ProgramCase{"SamplesCheckClean", "check " + kSamples + "/bootfont-*.bin", 0, "", ""},
    ProgramCase{"Placeholder", "check DIR/pl.bin", 0, "pl.bin: note: dbcs-placeholder", ""},
    ProgramCase{"InfoOneRecord", "info DIR/pl.bin", 0, "4916 to 4952, 1 record 36 bytes apart", ""},
    ProgramCase{"InfoJson", "info --json - <DIR/pl.bin", 0, "\"numSbcsChars\": 256,", ""},
    ProgramCase{"Missing", "check DIR/missing.bin", 2, "", "missing.bin: No such file"},
    ProgramCase{"Directory", "info DIR", 2, "", ": not a regular file"},
    ProgramCase{"Empty", "check DIR/empty.bin", 1, "empty.bin: error: bad-signature", ""},
    ProgramCase{"Truncated", "check - <DIR/cut.bin", 1, "standard input: error: dbcs-past-end", ""},
    ProgramCase{"OneUnreadable", "check " + kSample + " DIR/missing.bin DIR/empty.bin", 2, "bad-signature", "missing.bin"},
    ProgramCase{"Info", "info " + kSample, 0, "codes 0xA140 to 0xF9FE", ""},
    // The sets' sizes: printable ASCII (95), GB 2312 (7445), Big5 with code page 950's additions
    // (13,911), JIS X 0208 (6879) and the half-width katakana (63), KS X 1001 (8226); code page
    // 852's printable bytes (223), the Polish font's others (0x00-0x1F, 0x7F) outside. Unifont
    // draws none of Big5's 408 ETEN signs at 0xC6A1-0xC8FE.
    ProgramCase{"CoverageZhCn", "info " + kSamples + "/bootfont-zh-cn.bin", 0, "\ncoverage                 7540 of the 7540 characters of EUC-CN (code page 936), 0 missing; 0 glyphs outside the set\nfindings ", ""},
    ProgramCase{"CoverageZhTw", "info --missing " + kSample, 0, "13598 of the 14006 characters of BIG5 (code page 950), 408 missing;", ""},
    ProgramCase{"CoverageJa", "info " + kSamples + "/bootfont-ja.bin", 0, "7037 of the 7037 characters of SHIFT_JIS", ""},
    ProgramCase{"CoverageKo", "info " + kSamples + "/bootfont-ko.bin", 0, "8321 of the 8321 characters of EUC-KR", ""},
    ProgramCase{"MissingListed", "info --missing " + kSample + " | head -n 21 | tail -n 2", 0, "none\n0xC6A1 U+F6B1", ""},
    ProgramCase{"MissingJson", "info --json --missing " + kSample, 0, "\"missing\": 408,\n    \"missingCharacters\": [\n      {\n        \"character\": \"\xEF\x9A\xB1\",\n        \"code\": \"0xC6A1\",\n        \"unicode\": \"U+F6B1\"", ""},
    ProgramCase{"CoverageCutDown", "build -o DIR/sub.bin --lang 0x404 --sbcs-range 0x41-0x5A --dbcs-range 0xA440-0xA4FE " + kSample + " && " BOOTFONT_CLI " info --json DIR/sub.bin", 0, "\"characters\": 14006,\n    \"charset\": \"BIG5\",\n    \"codePage\": 950,\n    \"covered\": 183,\n    \"missing\": 13823,", "", "sub.bin"},
    ProgramCase{"CoverageOutside", "info DIR/pl.bin", 0, "223 of the 223 characters of CP852 (code page 852), 0 missing; 33 glyphs outside the set", ""},
    ProgramCase{"CoverageUnknown", "info --json DIR/font.bin", 1, "\"coverage\": null,", ""},
    // A note, so the status stays 0.
    ProgramCase{"AsciiMissing", "build -o DIR/sub.bin --lang 1028 --sbcs-range 0x41-0x5A --dbcs-range 0xA440 " + kSample + " && " BOOTFONT_CLI " check DIR/sub.bin", 0, "sub.bin: note: ascii-missing: the single-byte table lacks 69 of the 95 printable ASCII characters (0x20 to 0x7E): 0x20 to 0x40 (space to @), 0x5B to 0x7E ([ to ~)\n", "", "sub.bin"},
    ProgramCase{"InfoFromAFolder", "info - </", 2, "", "bootfont: standard input: Is a directory"},
    ProgramCase{"InfoToFullDisk", "info " + kSample + " >/dev/full", 2, "", "standard output: write failed"},
    ProgramCase{"Help", "--help", 0, "check", ""},
    ProgramCase{"Version", "check --version", 0, "bootfont ", ""},
    ProgramCase{"NoCommand", "", 2, "", "subcommand"},
    ProgramCase{"UnknownCommand", "frobnicate", 2, "", "bootfont: 'frobnicate' is not a bootfont command. See 'bootfont --help'.\n\nThe commands are\n\tinfo\n\tcheck\n"},
    ProgramCase{"MistypedCommand", "chekc " + kSample, 2, "", "'chekc' is not a bootfont command. See 'bootfont --help'.\n\nThe most similar command is\n\tcheck\n"},
    ProgramCase{"NoFile", "info", 2, "", "FILE"},
    ProgramCase{"Export", "export " + kSample + " -o DIR/font.hex", 0, "", "repeat a character", "font.hex"},
    ProgramCase{"ExportByCode", "export DIR/font.bin --native -o DIR/x.bdf", 0, "", "", "x.bdf"},
    ProgramCase{"ExportOneWithoutUnicode", "export DIR/pl.bin -o DIR/x.hex", 0, "", "pl.bin: 1 glyph has no Unicode value and is left out", "x.hex"},
    ProgramCase{"ExportCut", "export DIR/cut.bin -o DIR/x.bdf", 1, "", "past the end"},
    ProgramCase{"ExportText", "export - -o DIR/x.bdf <DIR/text.txt", 1, "", "standard input: not a boot font"},
    ProgramCase{"ExportOverInput", "export DIR/font.bin -o DIR/./font.bin --format bdf", 2, "", "is the input"},
    ProgramCase{"ExportUnknownType", "export " + kSample + " -o DIR/x.png", 2, "", ".bdf or .hex"},
    ProgramCase{"Find", "find " + kSample + " 中ą", 0, "U+4E2D: code 0xA4A4, double-byte index 475, page 1, row 20, column 1", ""},
    ProgramCase{"FindInTheFirstRow", "find " + kSample + " A", 0, "A U+0041: code 0x41, single-byte index 33, single-byte view, row 1, column 34\n", ""},
    // By its code alone: the record carries no Unicode value.
    ProgramCase{"FindByCode", "find DIR/pl.bin A", 0, "A U+0041: code 0x41, single-byte index 65", ""},
    ProgramCase{"FindNotUtf8", "find " + kSample + " \"$(printf '\\377')\"", 2, "", "TEXT is not UTF-8"},
    ProgramCase{"FindLacking", "find " + kSample + " ą", 0, "not in the font, nor in code page 950", ""},
    ProgramCase{"Render", "render DIR/font.bin --sheet -o DIR/x.png", 0, "", "", "x.png"},
    ProgramCase{"RenderNoTable", "render - --page 1 -o DIR/x.png <DIR/font.bin", 1, "", "standard input: the font has no double-byte"},
    ProgramCase{"RenderPastLastPage", "render " + kSample + " --page 99 -o DIR/x.png", 2, "", "--page 99: the font has"},
    ProgramCase{"RenderScale17", "render DIR/font.bin --sheet --scale 17 -o DIR/x.png", 2, "", "--scale: Value 17 not in range 1 to 16"},
    ProgramCase{"RenderOverInput", "render DIR/font.bin --sheet -o DIR/font.bin", 2, "", "is the input"},
    ProgramCase{"UnknownOption", "check --fast " + kSample, 2, "", "--fast"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// What a mistyped command's suggestions rest on: each edit, and a swap of two neighbours, is one.
TEST(EditDistance, CountsInsertionsDeletionsSubstitutionsAndSwaps) {
    const std::tuple<const char*, const char*, std::size_t> cases[] = {
        {"info", "info", 0}, {"infox", "info", 1},  {"inf", "info", 1},
        {"xnfo", "info", 1}, {"ifno", "info", 1},   {"abc", "", 3},
        {"", "abc", 3},      {"xyinfo", "info", 2}, {"chekc", "check", 1}};
    for (const auto& [a, b, distance] : cases) {
        EXPECT_EQ(cli::editDistance(a, b), distance) << a << " " << b;
    }
}

}  // namespace
