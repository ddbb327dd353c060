// The sample font tool refuses bad input with a clear error instead of writing a wrong font.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "samplefonts/unifonthex.h"
#include "support/tempdir.h"

namespace samplefonts {
namespace {

using ::testing::HasSubstr;

const std::string kBlankGlyph(32, '0');

// Runs the built tool on .hex files written by the test, into an output that holds a file of an
// earlier run: a failure must leave that file as it was.
class SampleFontTool : public ::testing::Test {
protected:
    void SetUp() override { std::ofstream(output_) << "earlier"; }

    // A .hex file with a blank glyph for each printable ASCII character but `missing`, then `more`.
    std::filesystem::path asciiHex(char missing = '\0', const std::string& more = "") {
        std::ofstream out(dir_ / "ascii.hex");
        for (char c = 0x20; c <= 0x7E; ++c) {
            if (c != missing) {
                out << "00" << std::hex << std::uppercase << int{c} << ':' << kBlankGlyph << '\n';
            }
        }
        out << more;
        return dir_ / "ascii.hex";
    }

    void expectFailure(const std::string& sample, const std::filesystem::path& hexFile,
                       const std::string& message) {
        const std::string command = std::string(SAMPLEFONTS_TOOL) + " " + sample + " '" +
                                    hexFile.string() + "' '" + output_.string() + "' 2>'" +
                                    (dir_ / "stderr").string() + "' >/dev/null";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << command;
        std::ifstream errors(dir_ / "stderr");
        EXPECT_THAT(std::string(std::istreambuf_iterator<char>(errors), {}), HasSubstr(message));
        std::ifstream output(output_);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(output), {}), "earlier");
    }

    testsupport::TempDir dir_;
    std::filesystem::path output_ = dir_ / "bootfont-test.bin";
};

TEST_F(SampleFontTool, FailsOnBadInput) {
    expectFailure("zh-cn", asciiHex('\0', "4E2D:0100\n"), "ascii.hex:96: ");
    expectFailure("zh-cn", asciiHex('A'), "U+0041");
    expectFailure("ko", asciiHex(), "EUC-KR maps no double-byte code");
    expectFailure("zh-cn", dir_ / "missing.hex", "missing.hex");
    expectFailure("zh-cn", asciiHex('\0', "0041:" + kBlankGlyph.substr(1) + "\n"),
                  "ascii.hex:96: ");
    expectFailure("xx", asciiHex(), "samples: zh-cn");
}

}  // namespace
}  // namespace samplefonts
