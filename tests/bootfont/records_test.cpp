#include <gtest/gtest.h>

#include <numeric>

#include "bootfont/fontloader.h"
#include "bootfont/loadertesthelpers.h"
#include "support/bootfontbuilder.h"
#include "support/tempdir.h"

namespace bootfont {
namespace {

using testsupport::BootFontBuilder;

// Every byte of the file holds the low byte of its own offset, so each field shows where it was
// read from.
std::vector<std::uint8_t> offsetPattern(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    return bytes;
}

TEST(HeaderLayout, EachFieldAtItsOffsetLittleEndian) {
    const auto bytes = offsetPattern(kHeaderSize);
    const BootFontHeader h = decodeHeader(std::span<const std::uint8_t, kHeaderSize>(bytes));
    EXPECT_EQ(h.Signature, 0x03020100);
    EXPECT_EQ(h.LanguageId, 0x07060504);
    EXPECT_EQ(h.NumSbcsChars, 0x0B0A0908);
    EXPECT_EQ(h.NumDbcsChars, 0x0F0E0D0C);
    EXPECT_EQ(h.SbcsOffset, 0x13121110);
    EXPECT_EQ(h.DbcsOffset, 0x17161514);
    EXPECT_EQ(h.SbcsEntriesTotalSize, 0x1B1A1918);
    EXPECT_EQ(h.DbcsEntriesTotalSize, 0x1F1E1D1C);
    for (std::size_t i = 0; i < kDbcsLeadTableSize; ++i) {
        EXPECT_EQ(h.DbcsLeadTable[i], 0x20 + i) << "lead table byte " << i;
    }
    EXPECT_EQ(h.CharacterImageHeight, 0x2C);
    EXPECT_EQ(h.CharacterTopPad, 0x2D);
    EXPECT_EQ(h.CharacterBottomPad, 0x2E);
    EXPECT_EQ(h.CharacterImageSbcsWidth, 0x2F);
    EXPECT_EQ(h.CharacterImageDbcsWidth, 0x30);
}

TEST(HeaderLayout, ThirtyTwoBitFieldsAreSignedAndBytesUnsigned) {
    testsupport::TempDir dir;
    const auto path = BootFontBuilder()
                          .bytesAt(0x0C, {0xFF, 0xFF, 0xFF, 0xFF})
                          .bytesAt(0x04, {0x00, 0x00, 0x00, 0x80})
                          .bytesAt(0x2C, {0xFF})
                          .writeTo(dir / "signed.bin");
    FontFileReader file(path);
    const BootFontHeader h = readHeaderRecord(file);
    EXPECT_EQ(h.NumDbcsChars, -1);
    EXPECT_EQ(h.LanguageId, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(h.CharacterImageHeight, 255);
}

TEST(Signature, OnlyTheBytesMdeTInFileOrderPass) {
    testsupport::TempDir dir;
    ViewerState state;
    const auto check = [&](std::vector<std::uint8_t> bytes) {
        testsupport::writeBytes(dir / "f.bin", bytes);
        FontFileReader file(dir / "f.bin");
        readHeader(state, file);
        return hasBootFontSignature(state.Header);
    };
    EXPECT_TRUE(check({0x4D, 0x64, 0x65, 0x54}));
    EXPECT_FALSE(check({0x54, 0x65, 0x64, 0x4D}));
    // Files too short to hold a signature: the missing bytes read as zeros, never as a match.
    EXPECT_FALSE(check({}));
    EXPECT_FALSE(check({0x4D}));
    EXPECT_FALSE(check({0x4D, 0x64}));
    EXPECT_FALSE(check({0x4D, 0x64, 0x65}));
    EXPECT_EQ(state.Header.Signature, 0x0065644D);
}

TEST(RecordLayout, SbcsRecordsAreSeventeenBytesBackToBack) {
    testsupport::TempDir dir;
    auto bytes = offsetPattern(100);
    BootFontBuilder builder;
    builder.header().NumSbcsChars = 3;
    builder.header().SbcsOffset = 49;
    auto header = builder.build();
    std::copy(header.begin(), header.end(), bytes.begin());
    testsupport::writeBytes(dir / "sbcs.bin", bytes);

    ViewerState state;
    ASSERT_TRUE(testsupport::loadFile(state, dir / "sbcs.bin"));
    ASSERT_EQ(state.SbcsGlyphs.size(), 3);
    EXPECT_EQ(state.SbcsGlyphs[0].Code, 49);
    EXPECT_EQ(state.SbcsGlyphs[2].Code, 83);
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(state.SbcsGlyphs[2].Bitmap[i], 84 + i);
    }
}

TEST(RecordLayout, DbcsRecordsAreThirtySixBytesWithTheirTrailerLast) {
    testsupport::TempDir dir;
    auto bytes = offsetPattern(1072);
    BootFontBuilder builder;
    builder.header().NumDbcsChars = 2;
    builder.header().DbcsOffset = 1000;
    auto header = builder.build();
    std::copy(header.begin(), header.end(), bytes.begin());
    testsupport::writeBytes(dir / "dbcs.bin", bytes);

    ViewerState state;
    ASSERT_TRUE(testsupport::loadFile(state, dir / "dbcs.bin"));
    ASSERT_EQ(state.DbcsGlyphs.size(), 2);
    const auto low = [](int offset) { return static_cast<std::uint8_t>(offset); };
    EXPECT_EQ(state.DbcsGlyphs[0].Code, (std::array{low(1000), low(1001)}));
    EXPECT_EQ(state.DbcsGlyphs[0].Bitmap[0], low(1002));
    EXPECT_EQ(state.DbcsGlyphs[0].Bitmap[31], low(1033));
    EXPECT_EQ(state.DbcsGlyphs[0].Trailer, (std::array{low(1034), low(1035)}));
    EXPECT_EQ(state.DbcsGlyphs[1].Code, (std::array{low(1036), low(1037)}));
    EXPECT_EQ(state.DbcsGlyphs[1].Trailer, (std::array{low(1070), low(1071)}));
}

TEST(RecordLayout, MetricsAndTotalSizesNeverChangeHowRecordsAreRead) {
    testsupport::TempDir dir;
    BootFontBuilder plain;
    plain.sbcsTable(49, testsupport::sbcsGlyphs(4)).dbcsTable(200, testsupport::dbcsGlyphs(3));
    BootFontBuilder odd = plain;
    odd.header().CharacterImageHeight = 24;
    odd.header().CharacterImageSbcsWidth = 24;
    odd.header().CharacterImageDbcsWidth = 24;
    odd.header().SbcsEntriesTotalSize = 1;
    odd.header().DbcsEntriesTotalSize = -36;

    ViewerState expected;
    ViewerState actual;
    ASSERT_TRUE(testsupport::loadFile(expected, plain.writeTo(dir / "plain.bin")));
    ASSERT_TRUE(testsupport::loadFile(actual, odd.writeTo(dir / "odd.bin")));
    EXPECT_EQ(actual.SbcsGlyphs, expected.SbcsGlyphs);
    EXPECT_EQ(actual.DbcsGlyphs, expected.DbcsGlyphs);
    EXPECT_EQ(actual.DbcsGlyphs[2], testsupport::dbcsGlyph(2));
}

}  // namespace
}  // namespace bootfont
