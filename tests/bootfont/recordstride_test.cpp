// How far apart a table's records lie: the header's data length declares it, within bounds, and
// the records of files made for Windows XP carry the glyph's Unicode value after the bitmap.
#include <gtest/gtest.h>

#include "bootfont/fontloader.h"
#include "bootfont/loadertesthelpers.h"
#include "support/bootfontbuilder.h"
#include "support/tempdir.h"

namespace bootfont {
namespace {

using testsupport::BootFontBuilder;

struct StrideCase {
    GlyphTable table;
    std::int32_t count;
    std::int32_t dataLength;
    std::size_t stride;
};

class RecordStride : public ::testing::TestWithParam<StrideCase> {};

TEST_P(RecordStride, IsTheDeclaredWholeStrideWithinItsBoundsOtherwiseTheFixedSize) {
    const StrideCase& c = GetParam();
    EXPECT_EQ(recordStride(c.table, c.count, c.dataLength), c.stride)
        << c.count << " records, data length " << c.dataLength;
}

constexpr auto kSbcs = GlyphTable::Sbcs;
constexpr auto kDbcs = GlyphTable::Dbcs;

INSTANTIATE_TEST_SUITE_P(
    Tables, RecordStride,
    ::testing::Values(StrideCase{kSbcs, 256, 256 * 19, 19}, StrideCase{kSbcs, 256, 256 * 17, 17},
                      StrideCase{kSbcs, 3, 3 * 16, 17}, StrideCase{kSbcs, 3, 3 * 64, 64},
                      StrideCase{kSbcs, 3, 3 * 65, 17}, StrideCase{kSbcs, 3, 3 * 19 + 1, 17},
                      StrideCase{kSbcs, 3, 0, 17}, StrideCase{kSbcs, 3, -3 * 19, 17},
                      StrideCase{kDbcs, 2, 2 * 34, 34}, StrideCase{kDbcs, 2, 2 * 33, 36},
                      StrideCase{kDbcs, 2, 2 * 128, 128}, StrideCase{kDbcs, 2, 2 * 129, 36},
                      StrideCase{kDbcs, 5, 5 * 36 + 1, 36}, StrideCase{kDbcs, 1, 2147483647, 36}));

class StridedTable : public ::testing::Test {
protected:
    ViewerState load(const BootFontBuilder& builder) {
        ViewerState state;
        EXPECT_TRUE(testsupport::loadFile(state, builder.writeTo(dir_ / "font.bin")));
        return state;
    }

    testsupport::TempDir dir_;
};

// The layout of a file made for a Polish system: 256 records of 19 bytes at offset 52.
TEST_F(StridedTable, NineteenByteRecordsLoadUnshiftedWithTheirUnicodeValues) {
    auto records = testsupport::sbcsGlyphs(256);
    records[0xA5].Trailer = {0x05, 0x01};  // ą
    records[0xB3].Trailer = {0x02, 0x25};  // │
    records[255].Trailer = {0x20, 0x00};
    const ViewerState state = load(BootFontBuilder().sbcsTable(52, records, 19));
    ASSERT_EQ(state.SbcsGlyphs.size(), 256);
    for (std::int16_t i = 0; i < 256; ++i) {
        ASSERT_EQ(state.SbcsGlyphs[i], records[static_cast<std::size_t>(i)]) << "record " << i;
    }
    EXPECT_EQ(state.SbcsGlyphs[0xA5].unicode(), 0x0105);
    EXPECT_EQ(state.SbcsGlyphs[0xB3].unicode(), 0x2502);
}

TEST_F(StridedTable, ThirtyFourByteRecordsLoadUnshiftedWithoutAUnicodeValue) {
    auto records = testsupport::dbcsGlyphs(40);
    for (auto& record : records) {
        record.Trailer = {};  // a 34-byte record has none; the loader must not take the next code
    }
    const ViewerState state = load(BootFontBuilder().dbcsTable(49, records, 34));
    ASSERT_EQ(state.DbcsGlyphs.size(), 40);
    for (std::int16_t i = 0; i < 40; ++i) {
        ASSERT_EQ(state.DbcsGlyphs[i], records[static_cast<std::size_t>(i)]) << "record " << i;
    }
}

TEST_F(StridedTable, WiderRecordsKeepTheUnicodeValueAfterTheBitmap) {
    const auto sbcs = testsupport::sbcsGlyphs(4, 7);
    auto withUnicode = sbcs;
    for (auto& record : withUnicode) {
        record.Trailer = {record.Code, 0x04};
    }
    const auto dbcs = testsupport::dbcsGlyphs(3, 50);
    const ViewerState state =
        load(BootFontBuilder().sbcsTable(49, withUnicode, 64).dbcsTable(400, dbcs, 128));
    EXPECT_EQ(state.SbcsGlyphs[3], withUnicode[3]);
    EXPECT_EQ(state.SbcsGlyphs[3].unicode(), 0x0400 + withUnicode[3].Code);
    EXPECT_EQ(state.DbcsGlyphs[2], dbcs[2]);
}

TEST_F(StridedTable, TheLastRecordsUnicodeValuePastTheEndOfTheFileReadsAsZero) {
    auto records = testsupport::sbcsGlyphs(2);
    records[1].Trailer = {0x41, 0x00};
    const ViewerState state =
        load(BootFontBuilder().sbcsTable(49, records, 19).truncateTo(49 + 19 + 17));
    EXPECT_EQ(state.SbcsGlyphs[1].Bitmap, records[1].Bitmap);
    EXPECT_EQ(state.SbcsGlyphs[1].unicode(), 0);
}

}  // namespace
}  // namespace bootfont
