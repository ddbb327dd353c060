// Writing a boot font: the file read back holds the header, places and records written, and
// contents the header cannot describe are refused with the reason.
#include "bootfont/bootfontwriter.h"

#include <gtest/gtest.h>

#include "bootfont/leadranges.h"
#include "bootfont/wholefont.h"
#include "support/bootfontbuilder.h"
#include "support/raisederror.h"

namespace bootfont {
namespace {

// Records of the codes; the single-byte ones carry their code as their Unicode value.
BootFontContents contents(std::vector<std::uint8_t> sbcsCodes, std::vector<std::uint16_t> dbcsCodes,
                          std::int32_t languageId = 0x409) {
    BootFontContents font{languageId, 1, 2, {}, {}};
    for (const std::uint8_t code : sbcsCodes) {
        font.sbcs.push_back(testsupport::sbcsGlyph(code));
        font.sbcs.back().setUnicode(code);
    }
    for (const std::uint16_t code : dbcsCodes) {
        font.dbcs.push_back(testsupport::dbcsGlyph(code));
    }
    return font;
}

// Five lead ranges, the last of them two lead bytes wide, and the ending pair.
TEST(BootFontWriter, WritesTheHeaderThePlacesAndTheRecordsItIsGiven) {
    const auto written =
        contents({0x41, 0x42}, {0xA1A1, 0xA3A1, 0xA5A1, 0xA7A1, 0xB0A1, 0xB0A2, 0xB1FE});
    const WholeFont font = readWholeFont(writeBootFont(written));
    // clang-format off
    const BootFontHeader expected{kBootFontSignature, 0x409, 2, 7, 49, 49 + 2 * 19, 2 * 19, 7 * 36,
                                  {0xA1, 0xA1, 0xA3, 0xA3, 0xA5, 0xA5, 0xA7, 0xA7, 0xB0, 0xB1},
                                  16, 1, 2, 8, 16};
    // clang-format on
    EXPECT_EQ(font.header, expected);
    EXPECT_EQ(font.fileSize, 49 + 2 * 19 + 7 * 36);
    EXPECT_EQ(font.sbcsGlyphs, written.sbcs);
    EXPECT_EQ(font.dbcsGlyphs, written.dbcs);
}

// Seven runs of lead bytes in code page 936, where every byte from 0x81 is one: the two gaps of
// one byte (0xA2, 0xB1) are joined, the wider ones kept.
TEST(BootFontWriter, JoinsLeadRunsAcrossTheNearestGapsOfLeadBytes) {
    const auto written =
        contents({}, {0xA1A1, 0xA3A1, 0xA6A1, 0xAAA1, 0xB0A1, 0xB2A1, 0xF0A1}, 0x804);
    const WholeFont font = readWholeFont(writeBootFont(written));
    EXPECT_EQ(leadByteRanges(font.header),
              (std::vector<LeadRange>{
                  {0xA1, 0xA3}, {0xA6, 0xA6}, {0xAA, 0xAA}, {0xB0, 0xB2}, {0xF0, 0xF0}}));
    EXPECT_EQ(font.dbcsGlyphs, written.dbcs);
}

TEST(BootFontWriter, RefusesWhatTheHeaderCannotDescribeOrTheBootLoaderCannotSearch) {
    const struct {
        BootFontContents contents;
        const char* refusal;
    } cases[] = {
        {contents({0x42, 0x41}, {}), "single-byte code 0x41 is out of order"},
        {contents({0x41, 0x41}, {}), "single-byte code 0x41 repeats"},
        {contents({}, {0xB0A2, 0xB0A1}), "double-byte code 0xB0A1 is out of order"},
        {contents({}, {0xB0A1, 0xB0A1}), "double-byte code 0xB0A1 repeats"},
        {contents({}, {0xA1A1, 0xA3A1, 0xA5A1, 0xA7A1, 0xB0A1, 0xB2A1}),
         "the double-byte codes need 6 lead-byte ranges (0xA1 to 0xA1, 0xA3 to 0xA3, 0xA5 to "
         "0xA5, 0xA7 to 0xA7, 0xB0 to 0xB0, 0xB2 to 0xB2); the header holds at most 5"},
        // Code page 932 reads no byte from 0xA0 to 0xDF as a lead byte: no gap can be joined.
        {contents({}, {0x81A1, 0xA1A1, 0xA3A1, 0xA5A1, 0xA7A1, 0xE0A1}, 0x411),
         "the double-byte codes need 6 lead-byte ranges (0x81 to 0x81, 0xA1 to 0xA1, 0xA3 to 0xA3, "
         "0xA5 to 0xA5, 0xA7 to 0xA7, 0xE0 to 0xE0); the header holds at most 5"},
    };
    for (const auto& c : cases) {
        const auto error = testsupport::raised([&] { writeBootFont(c.contents); });
        ASSERT_TRUE(error) << c.refusal;
        EXPECT_EQ(error->number(), runtime::ErrorNumber::InvalidProcedureCall);
        EXPECT_EQ(error->detail(), c.refusal);
    }
}

}  // namespace
}  // namespace bootfont
