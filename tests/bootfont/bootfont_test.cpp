// Reading a boot font: the header's fields, the signature, the reader's blocks, what loading does
// with every kind of table a header can declare, record strides, and the code pages of languages.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <optional>

#include "bootfont/codepage.h"
#include "bootfont/fontloader.h"
#include "bootfont/glyphtables.h"
#include "bootfont/languages.h"
#include "bootfont/valuetext.h"
#include "support/bootfontbuilder.h"
#include "support/raisederror.h"
#include "support/tempdir.h"

namespace bootfont {
namespace {

using runtime::ErrorNumber;
using testsupport::BootFontBuilder;

class Loading : public ::testing::Test {
protected:
    // Reads the file as the open command does: the header, and both tables when it is signed;
    // from an opened FontFile's bytes, and through a FontFileReader to the same end.
    std::optional<ErrorNumber> load(const std::vector<std::uint8_t>& bytes) {
        const auto path = dir_ / ("font" + std::to_string(files_++) + ".bin");
        testsupport::writeBytes(path, bytes);
        const FontFile file = FontFile::open(path);
        FontFileReader reader(path);
        LoadedFont throughReader = state_;
        const auto error = read(state_, file);
        EXPECT_EQ(read(throughReader, reader), error);
        EXPECT_TRUE(throughReader.Header == state_.Header &&
                    throughReader.SbcsGlyphs == state_.SbcsGlyphs &&
                    throughReader.DbcsGlyphs == state_.DbcsGlyphs)
            << "a FontFileReader reads otherwise than the file's bytes";
        return error;
    }

    template <typename File>
    static std::optional<ErrorNumber> read(LoadedFont& font, File& file) {
        try {
            readHeader(font, file);
            if (hasBootFontSignature(font.Header)) {
                GetSbcs(font, file);
                GetDbcs(font, file);
            }
        } catch (const runtime::RuntimeError& error) {
            return error.number();
        }
        return std::nullopt;
    }

    testsupport::TempDir dir_;
    int files_ = 0;
    LoadedFont state_;
};

TEST_F(Loading, HeaderFieldsAreSignedLittleEndianAtTheirOffsets) {
    std::vector<std::uint8_t> bytes(kHeaderSize);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(0xFF - i);  // each byte names its own offset
    }
    load(bytes);
    const auto le = [](std::uint32_t bits) { return static_cast<std::int32_t>(bits); };
    // clang-format off
    const BootFontHeader expected{le(0xFCFDFEFF), le(0xF8F9FAFB), le(0xF4F5F6F7), le(0xF0F1F2F3),
                                  le(0xECEDEEEF), le(0xE8E9EAEB), le(0xE4E5E6E7), le(0xE0E1E2E3),
                                  {0xDF, 0xDE, 0xDD, 0xDC, 0xDB, 0xDA, 0xD9, 0xD8, 0xD7, 0xD6, 0xD5, 0xD4},
                                  0xD3, 0xD2, 0xD1, 0xD0, 0xCF};
    // clang-format on
    EXPECT_EQ(state_.Header, expected);
    EXPECT_FALSE(hasBootFontSignature(state_.Header));
    EXPECT_TRUE(std::ranges::equal(encodeHeader(expected), bytes));
}

// What a table of an opened file becomes: the file's records at their places, or the earlier
// font's records when the table was not read.
enum class Table { Read, Kept };

struct LoadCase {
    const char* name;
    BootFontBuilder font;
    std::optional<ErrorNumber> error;
    Table sbcs, dbcs;
};

BootFontBuilder counts(std::int32_t numSbcs, std::int32_t sbcsOffset, std::int32_t numDbcs,
                       std::int32_t dbcsOffset) {
    BootFontBuilder font;
    font.header().NumSbcsChars = numSbcs;
    font.header().SbcsOffset = sbcsOffset;
    font.header().NumDbcsChars = numDbcs;
    font.header().DbcsOffset = dbcsOffset;
    return font;
}

// The table is the earlier font's when it was kept, else the file's records `size` bytes apart
// from the header's offset, decoded from the file's bytes with zeros past its end.
template <typename Record>
void expectTable(const runtime::CheckedArray<Record>& table, Table expected,
                 const runtime::CheckedArray<Record>& earlier,
                 const std::vector<std::uint8_t>& file, std::int32_t count, std::int32_t offset,
                 std::size_t size) {
    if (expected == Table::Kept) {
        EXPECT_EQ(table, earlier) << "the earlier font's table was not kept";
        return;
    }
    ASSERT_EQ(table.size(), count);
    for (std::int64_t i = 0; i < count; ++i) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t b = 0; b < size; ++b) {
            const auto at = static_cast<std::uint64_t>(offset + i * std::int64_t(size)) + b;
            bytes[b] = at < file.size() ? file[at] : 0;
        }
        Record record;
        decodeRecord(bytes, size, record);
        ASSERT_EQ(table[i], record) << "record " << i;
    }
}

// Every record layout, encoded and decoded: its size, its fields in file order (code, rows,
// Unicode value) and the record back, without the Unicode value where the layout has no room.
TEST(RecordLayouts, EncodeTheFieldsInFileOrderAndDecodeBack) {
    const auto sbcs = testsupport::sbcsGlyph(0x41);
    const auto dbcs = testsupport::dbcsGlyph(0xD6D0);
    const auto check = [](const auto& record, std::size_t size, std::vector<std::uint8_t> fields) {
        SCOPED_TRACE(size);
        std::vector<std::uint8_t> bytes(size + 1, 0xEE);
        encodeRecord(record, size, bytes);
        EXPECT_EQ(recordReadSize(record.kTable, size), size);
        EXPECT_EQ(std::vector(bytes.begin(), bytes.begin() + fields.size()), fields);
        EXPECT_EQ(bytes[size], 0xEE) << "written past the record";
        auto expected = record;
        if (!recordCarriesUnicode(record.kTable, size)) {
            expected.Trailer = {};
        }
        std::remove_cvref_t<decltype(record)> decoded;
        decodeRecord(bytes, size, decoded);
        EXPECT_EQ(decoded, expected);
    };
    // The record's fields in file order: the code (lead byte first), the rows, the Unicode value.
    const auto fields = [](const auto& record, bool unicode) {
        std::vector<std::uint8_t> out(record.codeBytes().begin(), record.codeBytes().end());
        out.insert(out.end(), record.Bitmap.begin(), record.Bitmap.end());
        if (unicode) {
            out.insert(out.end(), record.Trailer.begin(), record.Trailer.end());
        }
        return out;
    };
    check(sbcs, 17, fields(sbcs, false));
    check(sbcs, 19, fields(sbcs, true));
    check(dbcs, 34, fields(dbcs, false));
    check(dbcs, 36, fields(dbcs, true));
    EXPECT_EQ(std::vector(dbcs.codeBytes().begin(), dbcs.codeBytes().end()),
              (std::vector<std::uint8_t>{0xD6, 0xD0}));
}

// Values as people read them: codes with their table's digits or by their value, characters by
// the one printable rule, the lead-byte table in both forms and its ranges.
TEST(ValueText, WritesCodesCharactersAndLeadBytesOneWay) {
    const LeadTable lead{0x81, 0xFE, 0xA1, 0xA1};
    const LeadRange ranges[] = {{0x81, 0xFE}, {0xA1, 0xA1}};
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {codeText(0x41, GlyphTable::Sbcs), "0x41"}, {codeText(0x41, GlyphTable::Dbcs), "0x0041"},
        {codeText(std::uint32_t{0xFF}), "0xFF"}, {codeText(std::uint32_t{0x100}), "0x0100"},
        {characterText(U'中'), "U+4E2D 中"}, {characterText(0x20), "U+0020  "},
        {characterText(0xA0), "U+00A0 \u00A0"}, {characterText(0x1F600), "U+1F600 😀"},
        {characterText(0x1F), "U+001F"}, {characterText(0x7F), "U+007F"}, {characterText(0x9F), "U+009F"},
        {characterText(0xD800), "U+D800"}, {characterText(0xFDEF), "U+FDEF"}, {characterText(0xFFFE), "U+FFFE"},
        {characterText(0x10FFFF), "U+10FFFF"}, {characterText(0x110000), "U+110000"},
        {leadTableText(lead), "81 FE A1 A1 00 00 00 00 00 00 00 00"},
        {windowLeadTableText(lead), " 81 FE A1 A1 0 0 0 0 0 0 0 0"},
        {leadRangesText(ranges), "0x81 to 0xFE, 0xA1 to 0xA1"},
    };
    // clang-format on
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(text, expected);
    }
}

class TableLoading : public Loading, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(TableLoading, EachTableIsReadAtItsPlaceOrKeptAndLoadingEndsAsExpected) {
    ASSERT_EQ(load(BootFontBuilder()
                       .sbcsTable(49, testsupport::sbcsGlyphs(5, 200))
                       .dbcsTable(200, testsupport::dbcsGlyphs(7, 300))
                       .build()),
              std::nullopt);
    const LoadedFont earlier = state_;
    const auto bytes = GetParam().font.build();
    EXPECT_EQ(load(bytes), GetParam().error);
    const BootFontHeader& h = state_.Header;
    expectTable(state_.SbcsGlyphs, GetParam().sbcs, earlier.SbcsGlyphs, bytes, h.NumSbcsChars,
                h.SbcsOffset, glyphTable(GlyphTable::Sbcs).fixedStride());
    expectTable(state_.DbcsGlyphs, GetParam().dbcs, earlier.DbcsGlyphs, bytes, h.NumDbcsChars,
                h.DbcsOffset, glyphTable(GlyphTable::Dbcs).fixedStride());
}

constexpr auto kRead = Table::Read;
constexpr auto kKept = Table::Kept;
constexpr auto kOverflow = ErrorNumber::Overflow;
constexpr std::int32_t kMax = 2147483647;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tables, TableLoading, ::testing::Values(
    LoadCase{"TwoTables", counts(4, 49, 3, 200), {}, kRead, kRead},
    LoadCase{"HeaderOnly", BootFontBuilder().truncateTo(49), {}, kKept, kKept},
    LoadCase{"CountWithoutOffset", counts(0, 49, 7000, 0), {}, kKept, kKept},
    LoadCase{"NegativeCountOrOffset", counts(-5, 49, 3, -1), {}, kKept, kKept},
    LoadCase{"InsideTheHeaderAndOverlapping", counts(4, 1, 3, 20), {}, kRead, kRead},
    LoadCase{"CutByTheEndOfTheFile", BootFontBuilder().sbcsTable(49, testsupport::sbcsGlyphs(3)).truncateTo(76), {}, kRead, kKept},
    LoadCase{"FarPastTheEndOfTheFile", counts(3, 100'000, 4, 2147483646), {}, kRead, kRead},
    LoadCase{"TheLargestTable", counts(1, 49, 32767, 49), {}, kRead, kRead},
    LoadCase{"DbcsReadInFullThenTheIndexOverflows", counts(1, 49, 32768, 60), kOverflow, kRead, kRead},
    LoadCase{"SbcsReadInFullThenTheIndexOverflows", counts(32768, 49, 1, 49), kOverflow, kRead, kKept},
    LoadCase{"DbcsCountOverflowsBeforeReading", counts(1, 49, 32769, 1), kOverflow, kRead, kKept},
    LoadCase{"SbcsCountOverflowsBeforeReading", counts(kMax, 49, 1, 49), kOverflow, kKept, kKept},
    LoadCase{"OffsetWithoutAFilePosition", counts(1, 49, 2, kMax), kOverflow, kRead, kRead}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

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

TEST(Languages, TheViewerNamesTheLanguagesOfXpsFontsAndShowsAnyOtherIdInHex) {
    // clang-format off
    const std::pair<std::int32_t, const char*> cases[] = {
        {1028, "Chinese (Taiwan)"}, {1031, "German (Standard)"}, {1036, "French (Standard)"},
        {1041, "Japanese"}, {1042, "Korean"}, {1049, "Russian"}, {2052, "Chinese (PRC)"},
        {1045, "0x415"}, {0, "0x0"}, {-1, "0xFFFFFFFF"}, {0x10804, "0x10804"}, {0x807, "0x807"}};
    // clang-format on
    for (const auto& [id, text] : cases) {
        EXPECT_EQ(windowLanguageText(id), text) << id;
    }
}

TEST(CodePage, ConvertsStoredCodesAndCharactersBothWaysAndSaysWhenThereIsNone) {
    // clang-format off
    const struct {
        int codePage;
        std::vector<std::uint8_t> code;
        std::optional<char32_t> character;
    } cases[] = {
        {936, {0xD6, 0xD0}, U'中'}, {936, {0x41}, U'A'}, {950, {0xA4, 0xA4}, U'中'},
        {932, {0x92, 0x86}, U'中'}, {949, {0xF1, 0xE9}, U'中'}, {852, {0xA5}, U'ą'}, {866, {0x80}, U'А'},
        {936, {0xD6}, {}}, {936, {0x00, 0x41}, {}}, {936, {}, {}},  // a lead byte alone, two, none
        {932, {0xA0}, {}},  // unassigned
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePage);
        const CodePage codePage(c.codePage);
        EXPECT_EQ(codePage.toUnicode(c.code), c.character);
        if (c.character) {
            EXPECT_EQ(codePage.fromUnicode(*c.character), c.code);
        }
    }
    const CodePage gbk(936);
    // A failed conversion leaves nothing behind in the reused descriptor.
    EXPECT_EQ(gbk.toUnicode(std::vector<std::uint8_t>{0xD6}), std::nullopt);
    EXPECT_EQ(gbk.toUnicode(std::vector<std::uint8_t>{0xD6, 0xD0}), U'中');
    for (const char32_t missing : {U'ก', char32_t{0xD800}, char32_t{0x110000}}) {
        EXPECT_EQ(gbk.fromUnicode(missing), std::nullopt) << std::hex << std::uint32_t{missing};
    }
    EXPECT_EQ(testsupport::raisedError([] { CodePage unknown(12345); }),
              runtime::ErrorNumber::InvalidProcedureCall);
}

// Every one- and two-byte code, those holding a line feed and those that are no character
// included, gets from a whole run the character it gets alone.
TEST(CodePage, ConvertsARunOfCodesAsItConvertsEachAlone) {
    std::vector<std::uint16_t> codes(0x10000);
    std::iota(codes.begin(), codes.end(), 0);
    for (const int number : {437, 852, 932, 936, 949, 950}) {
        const CodePage codePage(number);
        for (const int width : {1, 2}) {
            const auto run = std::span(codes).first(width == 1 ? 0x100 : 0x10000);
            const auto characters = codePage.toUnicode(run, width);
            ASSERT_EQ(characters.size(), run.size());
            for (const std::uint16_t code : run) {
                const std::array<std::uint8_t, 2> bytes{
                    static_cast<std::uint8_t>(width == 1 ? code : code >> 8),
                    static_cast<std::uint8_t>(code)};
                ASSERT_EQ(characters[code], codePage.toUnicode(std::span(bytes).first(width)))
                    << "code page " << number << ", code " << std::hex << code;
            }
        }
    }
}

}  // namespace
}  // namespace bootfont
