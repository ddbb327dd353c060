#include "bootfont/fontloader.h"

#include <gtest/gtest.h>

#include "bootfont/loadertesthelpers.h"
#include "support/bootfontbuilder.h"
#include "support/tempdir.h"

namespace bootfont {
namespace {

using runtime::ErrorNumber;
using testsupport::BootFontBuilder;
using testsupport::dbcsGlyph;
using testsupport::dbcsGlyphs;
using testsupport::loadFile;
using testsupport::raisedError;
using testsupport::sbcsGlyphs;

class FontLoading : public ::testing::Test {
protected:
    std::filesystem::path write(const BootFontBuilder& builder) {
        return builder.writeTo(dir_ / ("font" + std::to_string(files_++) + ".bin"));
    }

    // Runs the header read and one table read on a file, the way the open command does.
    ErrorNumber dbcsLoadError(const BootFontBuilder& builder) {
        FontFileReader file(write(builder));
        readHeader(state_, file);
        return raisedError([&] { GetDbcs(state_, file); });
    }

    testsupport::TempDir dir_;
    int files_ = 0;
    ViewerState state_;
};

TEST_F(FontLoading, StartsEmpty) {
    EXPECT_EQ(state_.Header, BootFontHeader{});
    EXPECT_TRUE(state_.SbcsGlyphs.empty());
    EXPECT_TRUE(state_.DbcsGlyphs.empty());
    EXPECT_EQ(state_.PageStart, 0);
    EXPECT_EQ(state_.PageSize, 0);
}

TEST_F(FontLoading, SkippedTablesKeepTheEarlierFilesRecords) {
    ASSERT_TRUE(loadFile(
        state_,
        write(BootFontBuilder().sbcsTable(49, sbcsGlyphs(256)).dbcsTable(5000, dbcsGlyphs(20)))));
    const auto oldSbcs = state_.SbcsGlyphs;
    const auto oldDbcs = state_.DbcsGlyphs;

    BootFontBuilder next;  // no SBCS table; a DBCS count without an offset
    next.header().NumDbcsChars = 7000;
    ASSERT_TRUE(loadFile(state_, write(next)));
    EXPECT_EQ(state_.Header.NumSbcsChars, 0);
    EXPECT_EQ(state_.SbcsGlyphs, oldSbcs);
    EXPECT_EQ(state_.DbcsGlyphs, oldDbcs);

    BootFontBuilder negative;  // negative counts and offsets are absent tables too
    negative.header().NumSbcsChars = -5;
    negative.header().SbcsOffset = 49;
    negative.header().NumDbcsChars = 3;
    negative.header().DbcsOffset = -1;
    ASSERT_TRUE(loadFile(state_, write(negative)));
    EXPECT_EQ(state_.SbcsGlyphs, oldSbcs);
    EXPECT_EQ(state_.DbcsGlyphs, oldDbcs);
}

TEST_F(FontLoading, ASecondFileReplacesTheTablesCompletely) {
    ASSERT_TRUE(loadFile(state_, write(BootFontBuilder().dbcsTable(49, dbcsGlyphs(5)))));
    ASSERT_TRUE(loadFile(state_, write(BootFontBuilder().dbcsTable(300, dbcsGlyphs(3, 100)))));
    ASSERT_EQ(state_.DbcsGlyphs.size(), 3);
    EXPECT_EQ(state_.DbcsGlyphs[0], dbcsGlyph(100));
    EXPECT_EQ(state_.DbcsGlyphs[2], dbcsGlyph(102));
}

TEST_F(FontLoading, TheLargestTableOf32767RecordsLoads) {
    ASSERT_TRUE(loadFile(state_, write(BootFontBuilder().dbcsTable(49, dbcsGlyphs(32767)))));
    ASSERT_EQ(state_.DbcsGlyphs.size(), 32767);
    EXPECT_EQ(state_.DbcsGlyphs[32766], dbcsGlyph(32766));
}

TEST_F(FontLoading, A32768RecordTableOverflowsAfterItsLastRecord) {
    EXPECT_EQ(dbcsLoadError(BootFontBuilder().dbcsTable(49, dbcsGlyphs(32768))),
              ErrorNumber::Overflow);
    ASSERT_EQ(state_.DbcsGlyphs.size(), 32768);
    EXPECT_EQ(state_.DbcsGlyphs[32767], dbcsGlyph(32767));
}

TEST_F(FontLoading, LargerCountsOverflowBeforeAnythingIsReplaced) {
    ASSERT_TRUE(loadFile(state_, write(BootFontBuilder().dbcsTable(49, dbcsGlyphs(4)))));
    const auto earlier = state_.DbcsGlyphs;
    for (const std::int32_t count : {32769, 2147483647}) {
        BootFontBuilder hostile;
        hostile.header().NumDbcsChars = count;
        hostile.header().DbcsOffset = 1;
        EXPECT_EQ(dbcsLoadError(hostile), ErrorNumber::Overflow) << count;
        EXPECT_EQ(state_.DbcsGlyphs, earlier) << count;
    }
}

TEST_F(FontLoading, TheLargestOffsetHasNoFilePositionAndOverflows) {
    BootFontBuilder hostile;
    hostile.header().NumDbcsChars = 2;
    hostile.header().DbcsOffset = 2147483647;
    EXPECT_EQ(dbcsLoadError(hostile), ErrorNumber::Overflow);

    // One less is a valid position far past the end of the file: zeros, quickly.
    hostile.header().DbcsOffset = 2147483646;
    FontFileReader file(write(hostile));
    readHeader(state_, file);
    GetDbcs(state_, file);
    ASSERT_EQ(state_.DbcsGlyphs.size(), 2);
    EXPECT_EQ(state_.DbcsGlyphs[1], DbcsGlyphRecord{});
}

TEST_F(FontLoading, TablesCutShortByTheEndOfTheFileReadAsZeros) {
    // The file ends 10 bytes into the second record: its Code and first 8 bitmap bytes survive.
    const auto glyphs = sbcsGlyphs(3, 40);
    ASSERT_TRUE(
        loadFile(state_, write(BootFontBuilder().sbcsTable(49, glyphs).truncateTo(49 + 27))));
    ASSERT_EQ(state_.SbcsGlyphs.size(), 3);
    EXPECT_EQ(state_.SbcsGlyphs[0], glyphs[0]);
    SbcsGlyphRecord cut = glyphs[1];
    std::fill(cut.Bitmap.begin() + 9, cut.Bitmap.end(), 0);
    EXPECT_EQ(state_.SbcsGlyphs[1], cut);
    EXPECT_EQ(state_.SbcsGlyphs[2], SbcsGlyphRecord{});
}

TEST_F(FontLoading, AHeaderOnlyFileIsAcceptedAndReadsNoTable) {
    ASSERT_TRUE(loadFile(state_, write(BootFontBuilder().truncateTo(kHeaderSize))));
    EXPECT_TRUE(state_.SbcsGlyphs.empty());
    EXPECT_TRUE(state_.DbcsGlyphs.empty());
}

}  // namespace
}  // namespace bootfont
