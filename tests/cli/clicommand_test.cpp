// The bootfont program as a script runs it: exit statuses, where messages go, reading standard
// input, and its output on the shipped samples.
#include <gtest/gtest.h>
#include <set>

#include "cli/bootfontrun.h"
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
    ProgramCase{"InfoToFullDisk", "info " + kSample + " >/dev/full", 2, "", "standard output: write failed"},
    ProgramCase{"Help", "--help", 0, "check", ""},
    ProgramCase{"Version", "check --version", 0, "bootfont ", ""},
    ProgramCase{"NoCommand", "", 2, "", "subcommand"},
    ProgramCase{"NoFile", "info", 2, "", "FILE"},
    ProgramCase{"Export", "export " + kSample + " -o DIR/font.hex", 0, "", "repeat a character", "font.hex"},
    ProgramCase{"ExportOneWithoutUnicode", "export DIR/pl.bin -o DIR/x.hex", 0, "", "pl.bin: 1 glyph has no Unicode value and is left out", "x.hex"},
    ProgramCase{"ExportCut", "export DIR/cut.bin -o DIR/x.bdf", 1, "", "past the end"},
    ProgramCase{"ExportText", "export - -o DIR/x.bdf <DIR/text.txt", 1, "", "standard input: not a boot font"},
    ProgramCase{"ExportOverInput", "export DIR/font.bin -o DIR/./font.bin --format bdf", 2, "", "is the input"},
    ProgramCase{"ExportUnknownType", "export " + kSample + " -o DIR/x.png", 2, "", ".bdf or .hex"},
    ProgramCase{"Find", "find " + kSample + " 中ą", 0, "U+4E2D: code 0xA4A4, double-byte index 475, page 1, row 20, column 1", ""},
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

}  // namespace
