// The findings of check: one byte-built file per finding, with its severity, and consistent files
// that check clean.
#include "bootfont/fontcheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "bootfont/headerfields.h"
#include "support/bootfontbuilder.h"

namespace bootfont {
namespace {

using testsupport::BootFontBuilder;
using testsupport::polishFont;

SbcsGlyphRecord sbcs(std::uint8_t code, std::uint16_t unicode = 0) {
    auto record = testsupport::sbcsGlyph(code);
    record.setUnicode(unicode);
    return record;
}

DbcsGlyphRecord dbcs(std::uint16_t code, std::uint16_t unicode = 0) {
    auto record = testsupport::dbcsGlyph(code);
    record.setUnicode(unicode);
    return record;
}

// A consistent Simplified Chinese font: two 17-byte single-byte records from offset 49, two
// double-byte records right after them carrying their Unicode values (GB2312 B0A1 啊, B0A2 阿).
BootFontBuilder chinese() {
    BootFontBuilder font;
    font.header().LanguageId = 0x804;
    font.header().DbcsLeadTable = {0xB0, 0xB0};
    font.standardMetrics()
        .sbcsTable(49, {sbcs(0x41), sbcs(0x42)}, 17)
        .dbcsTable(83, {dbcs(0xB0A1, 0x554A), dbcs(0xB0A2, 0x963F)}, 36);
    return font;
}

struct CheckCase {
    const char* name;
    std::function<void(BootFontBuilder&)> change;  // of chinese()
    std::vector<std::string> findings;             // "severity: id", sorted
    const char* inMessages = "";
    std::int64_t offset = -1;  // the file offset the first finding names
};

class FontCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(FontCheck, FindsExactlyTheExpectedIdsAtTheirSeverity) {
    BootFontBuilder font = chinese();
    GetParam().change(font);
    std::vector<std::string> findings;
    std::string messages;
    const auto found = checkFont(readWholeFont(font.build()));
    if (GetParam().offset >= 0) {
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(found[0].offset, GetParam().offset);
    }
    for (const Finding& finding : found) {
        EXPECT_FALSE(finding.message.empty());
        findings.push_back(std::string(severityName(finding.severity)) + ": " + finding.id);
        messages += finding.message + '\n';
    }
    std::ranges::sort(findings);
    EXPECT_EQ(findings, GetParam().findings);
    EXPECT_NE(messages.find(GetParam().inMessages), std::string::npos) << messages;
}

std::vector<DbcsGlyphRecord> manyDbcs(std::uint32_t count) {
    std::vector<DbcsGlyphRecord> records;
    for (std::uint32_t code = 0x10000 - count; code <= 0xFFFF; ++code) {
        records.push_back(dbcs(static_cast<std::uint16_t>(code)));
    }
    return records;
}

// A glyph in each of `count` lead ranges B0, B2, ..., and the header's table of them.
void leadRanges(BootFontBuilder& f, int count) {
    std::vector<DbcsGlyphRecord> records;
    for (int r = 0; r < count; ++r) {
        const auto lead = static_cast<std::uint8_t>(0xB0 + 2 * r);
        f.header().DbcsLeadTable[2 * r] = f.header().DbcsLeadTable[2 * r + 1] = lead;
        records.push_back(dbcs(static_cast<std::uint16_t>(lead << 8 | 0xA1)));
    }
    f.dbcsTable(83, records, 36);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, FontCheck, testing::Values(
    CheckCase{"Clean17", [](BootFontBuilder&) {}, {}},
    // 19-byte records carrying code page 852's characters, and the double-byte placeholder.
    CheckCase{"Polish", [](BootFontBuilder& f) { f = polishFont(); }, {"note: dbcs-placeholder"}, "", 52 + 256 * 19},
    // A placeholder's width draws nothing; a record with ink is no placeholder.
    CheckCase{"PlaceholderAnyWidth", [](BootFontBuilder& f) { f = polishFont(); f.header().CharacterImageDbcsWidth = 0; }, {"note: dbcs-placeholder"}},
    CheckCase{"PlaceholderWithInk", [](BootFontBuilder& f) { f = polishFont(); f.dbcsTable(52 + 256 * 19, {dbcs(0, 0)}, 36); }, {"error: lead-byte-outside-ranges"}, "", 52 + 256 * 19},
    CheckCase{"Signature", [](BootFontBuilder& f) { f.bytesAt(0, {'T', 'e', 'd', 'M'}); }, {"error: bad-signature"}, "", 0},
    CheckCase{"Short", [](BootFontBuilder& f) { f = BootFontBuilder(); f.truncateTo(40); }, {"error: file-too-short"}},
    CheckCase{"SbcsPastEnd", [](BootFontBuilder& f) {
        f.sbcsTable(200, {sbcs(0x41), sbcs(0x42)}, 17).truncateTo(233); }, {"error: sbcs-past-end"}, "1 of its 2 records is whole", 233},
    CheckCase{"DbcsPastEnd", [](BootFontBuilder& f) { f.truncateTo(154); }, {"error: dbcs-past-end"}},
    // The single record's code lands on the double-byte width byte (48), which stays 16.
    CheckCase{"SbcsOverHeader", [](BootFontBuilder& f) {
        f.sbcsTable(48, {sbcs(16)}, 17).dbcsTable(65, {dbcs(0xB0A1)}, 36); }, {"error: sbcs-overlaps-header"}, "", 48},
    // The code lands on the two width bytes (47, 48): 08 10.
    CheckCase{"DbcsOverHeader", [](BootFontBuilder& f) {
        f.header().DbcsLeadTable = {0x08, 0x08};
        f.dbcsTable(47, {dbcs(0x0810)}, 36).sbcsTable(100, {sbcs(0x41)}, 17); }, {"error: dbcs-overlaps-header"}},
    CheckCase{"Overlap", [](BootFontBuilder& f) { f.dbcsTable(66, {dbcs(0xB0A1)}, 36); }, {"error: tables-overlap"}, "", 66},
    CheckCase{"SbcsLength", [](BootFontBuilder& f) { f.header().SbcsEntriesTotalSize = 35; }, {"error: sbcs-length-not-whole"}},
    CheckCase{"DbcsLength", [](BootFontBuilder& f) { f.header().DbcsEntriesTotalSize = 0; }, {"error: dbcs-length-not-whole"}},
    CheckCase{"SbcsUnsorted", [](BootFontBuilder& f) { f.sbcsTable(49, {sbcs(0x42), sbcs(0x41)}, 17); }, {"error: sbcs-codes-unsorted"}, "", 49 + 17},
    CheckCase{"SbcsRepeated", [](BootFontBuilder& f) { f.sbcsTable(49, {sbcs(0x41), sbcs(0x41)}, 17); }, {"error: sbcs-code-repeated"}},
    CheckCase{"DbcsUnsorted", [](BootFontBuilder& f) { f.dbcsTable(83, {dbcs(0xB0A2), dbcs(0xB0A1)}, 36); }, {"error: dbcs-codes-unsorted"}},
    CheckCase{"DbcsRepeated", [](BootFontBuilder& f) { f.dbcsTable(83, {dbcs(0xB0A1), dbcs(0xB0A1)}, 36); }, {"error: dbcs-code-repeated"},
              "1 double-byte record repeats an earlier code; the first is 0xB0A1 at index 1", 83 + 36},
    CheckCase{"LeadOutside", [](BootFontBuilder& f) { f.dbcsTable(83, {dbcs(0xB0A1), dbcs(0xB1A1)}, 36); }, {"error: lead-byte-outside-ranges"}, "", 83 + 36},
    CheckCase{"RangeUnused", [](BootFontBuilder& f) { f.header().DbcsLeadTable = {0xB0, 0xB0, 0xC0, 0xC0}; }, {"warning: lead-range-unused"}, "", 0x20 + 2},
    // Five ranges and the ending pair fill the table; a sixth range leaves no room for the end.
    CheckCase{"FiveLeadRanges", [](BootFontBuilder& f) { leadRanges(f, 5); }, {}},
    CheckCase{"SixLeadRanges", [](BootFontBuilder& f) { leadRanges(f, 6); },
              {"error: bad-lead-table", "error: lead-byte-outside-ranges"}, "", 0x20},
    // A stray byte after the ending pair, or a range whose first byte follows its last: warnings.
    CheckCase{"BytesAfterTheEnd", [](BootFontBuilder& f) { leadRanges(f, 3); f.header().DbcsLeadTable[8] = 0xC0; }, {"warning: bad-lead-table"}},
    CheckCase{"ReversedRange", [](BootFontBuilder& f) { f.header().DbcsLeadTable = {0xB0, 0xB0, 0xC1, 0xC0}; },
              {"warning: bad-lead-table", "warning: lead-range-unused"}},
    CheckCase{"Unicode", [](BootFontBuilder& f) { f.dbcsTable(83, {dbcs(0xB0A1, 0x963F), dbcs(0xB0A2, 0x963F)}, 36); }, {"warning: unicode-mismatch"},
              "the first, 0xB0A1 at index 0, carries U+963F where the code page gives U+554A", 83},
    CheckCase{"NoCodePage", [](BootFontBuilder& f) { f.header().LanguageId = 0x401; }, {"note: unknown-code-page"}},
    // Without Unicode values there is nothing to check against a code page.
    CheckCase{"NoCodePageNoUnicode", [](BootFontBuilder& f) { f.header().LanguageId = 0x401; f.dbcsTable(83, {dbcs(0xB0A1), dbcs(0xB0A2)}, 34); }, {}},
    CheckCase{"Height", [](BootFontBuilder& f) { f.header().CharacterImageHeight = 0; }, {"error: bad-height"}, "", 0x2C},
    CheckCase{"Pad", [](BootFontBuilder& f) { f.header().CharacterTopPad = 9; f.header().CharacterBottomPad = 8; }, {"warning: bad-pad"}, "", 0x2D},
    CheckCase{"Width", [](BootFontBuilder& f) { f.header().CharacterImageSbcsWidth = 9; }, {"warning: bad-width"}, "", 0x2F},
    CheckCase{"NegativeCount", [](BootFontBuilder& f) { f.header().NumSbcsChars = -1; }, {"error: sbcs-count-negative"}},
    CheckCase{"NoOffset", [](BootFontBuilder& f) { f.bytesAt(fieldOffset(&BootFontHeader::DbcsOffset), {0, 0, 0, 0}); }, {"error: dbcs-offset-missing", "warning: lead-range-unused"}},
    CheckCase{"ViewerLimit", [](BootFontBuilder& f) {
        f.header().DbcsLeadTable = {0x80, 0xFF}; f.dbcsTable(83, manyDbcs(32768), 36); }, {"warning: viewer-count-limit"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace bootfont
