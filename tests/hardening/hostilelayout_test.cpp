// Files whose tables overlap the header or each other, lie past the end of the file or are cut by
// it, files shorter than the header, and a sparse file of more than 2 GB.
#include <fcntl.h>
#include <unistd.h>

#include <QPushButton>
#include <fstream>
#include <ostream>
#include <string>

#include "bootfont/fontloader.h"
#include "hardening/hostilefiletest.h"

namespace testsupport {
namespace {

using bootfont::BootFontHeader;
using runtime::ErrorNumber;

struct LayoutCase {
    const char* name;
    BootFontBuilder font;
    Expected expected;
};

BootFontBuilder withCounts(std::int32_t numSbcs, std::int32_t sbcsOffset, std::int32_t numDbcs,
                           std::int32_t dbcsOffset) {
    BootFontBuilder builder;
    BootFontHeader& header = builder.header();
    header.NumSbcsChars = numSbcs;
    header.SbcsOffset = sbcsOffset;
    header.NumDbcsChars = numDbcs;
    header.DbcsOffset = dbcsOffset;
    header.CharacterImageHeight = 16;
    header.CharacterImageSbcsWidth = 8;
    header.CharacterImageDbcsWidth = 16;
    return builder;
}

void PrintTo(const LayoutCase& layout, std::ostream* out) {
    *out << layout.name;
}

class HostileLayout : public HostileFileTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(HostileLayout, EndsInItsResultAndTheWindowStaysUsable) {
    const LayoutCase& layout = GetParam();
    const auto bytes = layout.font.build();
    expectOpening(writeBytes(bytes), bytes, layout.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, HostileLayout,
    ::testing::Values(
        // Records read whatever bytes lie at their place, header bytes included.
        LayoutCase{"SingleByteTableInsideTheHeader",
                   withCounts(4, 1, 2, 49).bytesAt(49, {0xFF, 0x80, 0x01}), Expected()},
        LayoutCase{"DoubleByteTableInsideTheHeader", withCounts(0, 0, 3, 2),
                   Expected().keepsSbcs()},
        LayoutCase{"TablesOverlapEachOther",
                   withCounts(6, 49, 3, 49 + 20)
                       .bytesAt(49, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10})
                       .bytesAt(150, {0xAA}),
                   Expected()},
        LayoutCase{"BothTablesAtTheSameOffset", withCounts(5, 60, 5, 60).bytesAt(60, {0x55, 0x66}),
                   Expected()},
        // Past the end of the file a table reads as zeros, however far.
        LayoutCase{"TablesPastTheEndOfTheFile", withCounts(3, 100'000, 4, 50'000'000), Expected()},
        LayoutCase{"TablesCutByTheEndOfTheFile",
                   BootFontBuilder()
                       .sbcsTable(49, sbcsGlyphs(3))
                       .dbcsTable(100, dbcsGlyphs(4))
                       .truncateTo(100 + 36 + 10),
                   Expected()},
        LayoutCase{"LargestTablesWithNothingBehindThem", withCounts(32767, 49, 32767, 49),
                   Expected()},
        // With the table skipped, the after-load indicator is what cannot count the pages.
        LayoutCase{"PagesBeyondSixteenBitsWithoutATable", withCounts(3, 49, 2147483647, 0),
                   Expected()
                       .openEndsWith(ErrorNumber::Overflow)
                       .keepsDbcs()
                       .firstDoubleBytePageReports(ErrorNumber::Overflow)}),
    [](const auto& info) { return std::string(info.param.name); });

// A file shorter than the header reads zeros for the rest of it: under 4 bytes the signature
// cannot match, and a table exists once its count's and its offset's low bytes are in the file.
TEST_F(HostileFileTest, FilesOfNoneToFortyEightBytes) {
    const auto whole = BootFontBuilder()  // counts 3 and 600, offsets 49 and 100
                           .sbcsTable(49, sbcsGlyphs(3))
                           .dbcsTable(100, dbcsGlyphs(600))
                           .build();
    const struct {
        std::size_t first, last;
        Expected expected;
    } ranges[] = {
        {0, 3, Expected().rejected()},
        {4, 16, Expected().keepsSbcs().keepsDbcs()},
        {17, 20, Expected().keepsDbcs()},  // SbcsOffset's low byte is offset 16
        {21, 48, Expected()},              // DbcsOffset's low byte is offset 20
    };
    for (const auto& range : ranges) {
        for (std::size_t size = range.first; size <= range.last; ++size) {
            SCOPED_TRACE(std::to_string(size) + " bytes");
            const std::vector<std::uint8_t> bytes(whole.begin(), whole.begin() + size);
            expectOpening(writeBytes(bytes), bytes, range.expected);
        }
    }
}

// Bytes the process has read through system calls so far (Linux task I/O accounting).
std::uint64_t bytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value) {
        if (key == "rchar:") {
            return value;
        }
    }
    ADD_FAILURE() << "/proc/self/io has no rchar";
    return 0;
}

// A sparse file of 2 GB and 64 KB whose tables lie near its far end: they load, and the loader
// reads a few blocks, not the gigabytes before them.
TEST_F(HostileFileTest, ASparseFileOfMoreThanTwoGigabytes) {
    constexpr std::int32_t kDbcsOffset = 2147483000;
    constexpr std::int32_t kSbcsOffset = 2147483600;
    constexpr off_t kSize = off_t{2147483648} + 65536;
    const auto sbcs = sbcsGlyphs(2, 70);
    const auto dbcs = dbcsGlyphs(3, 80);
    // The records' bytes as a font with its tables at 49 and 100 holds them.
    const auto records = BootFontBuilder().sbcsTable(49, sbcs).dbcsTable(100, dbcs).build();
    const auto header = withCounts(2, kSbcsOffset, 3, kDbcsOffset).build();

    const auto path = dir_ / "sparse.bin";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, kSize), 0);
    ASSERT_EQ(::pwrite(fd, header.data(), header.size(), 0), std::ssize(header));
    ASSERT_EQ(::pwrite(fd, records.data() + 49, 2 * 17, kSbcsOffset), 2 * 17);
    ASSERT_EQ(::pwrite(fd, records.data() + 100, 3 * 36, kDbcsOffset), 3 * 36);
    ASSERT_EQ(::close(fd), 0);

    bootfont::ViewerState state;
    const std::uint64_t before = bytesReadSoFar();
    {
        bootfont::FontFileReader file(path);
        bootfont::readHeader(state, file);
        bootfont::GetSbcs(state, file);
        bootfont::GetDbcs(state, file);
    }
    EXPECT_LT(bytesReadSoFar() - before, std::uint64_t{1} << 20);
    EXPECT_EQ(std::vector(state.SbcsGlyphs.begin(), state.SbcsGlyphs.end()), sbcs);
    EXPECT_EQ(std::vector(state.DbcsGlyphs.begin(), state.DbcsGlyphs.end()), dbcs);

    WindowOnAFont window(earlierFont_);
    EXPECT_TRUE(window.open(path).empty());
    window.form.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    EXPECT_EQ(window.form.state().DbcsGlyphs, state.DbcsGlyphs);
    EXPECT_TRUE(window.messageBox.messages.empty());
}

}  // namespace
}  // namespace testsupport
