// How far apart a table's records lie: the header's data length declares it, within bounds, and
// records of 19 (single-byte) or 36 (double-byte) bytes and more carry the glyph's Unicode value.
#include <gtest/gtest.h>

#include "bootfont/loadertesthelpers.h"
#include "support/bootfontbuilder.h"
#include "support/tempdir.h"

namespace bootfont {
namespace {

TEST(RecordStride, IsTheDeclaredWholeStrideWithinItsBoundsOtherwiseTheFixedSize) {
    constexpr auto kSbcs = GlyphTable::Sbcs;
    constexpr auto kDbcs = GlyphTable::Dbcs;
    const struct {
        GlyphTable table;
        std::int32_t count, dataLength;
        std::size_t stride;
    } cases[] = {
        {kSbcs, 256, 256 * 19, 19}, {kSbcs, 3, 3 * 16, 17},     {kSbcs, 3, 3 * 64, 64},
        {kSbcs, 3, 3 * 65, 17},     {kSbcs, 3, 3 * 19 + 1, 17}, {kSbcs, 3, -3 * 19, 17},
        {kDbcs, 2, 2 * 34, 34},     {kDbcs, 2, 2 * 33, 36},     {kDbcs, 2, 2 * 128, 128},
        {kDbcs, 2, 2 * 129, 36},    {kDbcs, 5, 5 * 36 + 1, 36}, {kDbcs, 1, 2147483647, 36},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(recordStride(c.table, c.count, c.dataLength), c.stride)
            << c.count << " records, data length " << c.dataLength;
    }
}

// A file made for a Polish system: 256 records of 19 bytes at offset 52; and 34-byte double-byte
// records, whose two bytes after the bitmap are the next record's code, not a Unicode value.
TEST(RecordStride, RecordsLoadUnshiftedAtTheirDeclaredStrideWithTheUnicodeTheyCarry) {
    auto sbcs = testsupport::sbcsGlyphs(256);
    sbcs[0xA5].Trailer = {0x05, 0x01};  // ą
    sbcs[0xFF].Trailer = {0x02, 0x25};  // │, the last record's value just before the DBCS table
    auto dbcs = testsupport::dbcsGlyphs(40);
    for (auto& record : dbcs) {
        record.Trailer = {};
    }
    testsupport::TempDir dir;
    ViewerState state;
    ASSERT_TRUE(testsupport::loadFile(state, testsupport::BootFontBuilder()
                                                 .sbcsTable(52, sbcs, 19)
                                                 .dbcsTable(4916, dbcs, 34)
                                                 .writeTo(dir / "font.bin")));
    EXPECT_EQ(std::vector(state.SbcsGlyphs.begin(), state.SbcsGlyphs.end()), sbcs);
    EXPECT_EQ(std::vector(state.DbcsGlyphs.begin(), state.DbcsGlyphs.end()), dbcs);
    EXPECT_EQ(state.SbcsGlyphs[0xA5].unicode(), 0x0105);
}

}  // namespace
}  // namespace bootfont
