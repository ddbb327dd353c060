// The findings of check: one byte-built file per finding id, and consistent files that check clean.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "bootfont/fontcheck.h"
#include "support/bootfontbuilder.h"
#include "support/tempdir.h"

namespace bootfont {
namespace {

using testsupport::BootFontBuilder;

SbcsGlyphRecord sbcs(std::uint8_t code, std::uint16_t unicode = 0) {
    auto record = testsupport::sbcsGlyph(code);
    record.Trailer = {static_cast<std::uint8_t>(unicode), static_cast<std::uint8_t>(unicode >> 8)};
    return record;
}

DbcsGlyphRecord dbcs(std::uint16_t code, std::uint16_t unicode = 0) {
    auto record = testsupport::dbcsGlyph(code);
    record.Trailer = {static_cast<std::uint8_t>(unicode), static_cast<std::uint8_t>(unicode >> 8)};
    return record;
}

// A consistent Simplified Chinese font: two 17-byte single-byte records from offset 49, two
// double-byte records right after them carrying their Unicode values (GB2312 B0A1 啊, B0A2 阿).
BootFontBuilder chinese() {
    BootFontBuilder font;
    auto& h = font.header();
    h.LanguageId = 0x804;
    h.DbcsLeadTable = {0xB0, 0xB0};
    font.standardMetrics()
        .sbcsTable(49, {sbcs(0x41), sbcs(0x42)}, 17)
        .dbcsTable(83, {dbcs(0xB0A1, 0x554A), dbcs(0xB0A2, 0x963F)}, 36);
    return font;
}

struct CheckCase {
    const char* name;
    std::function<void(BootFontBuilder&)> change;
    std::vector<std::string> ids;
    const char* inMessages = "";
};

class FontCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(FontCheck, FindsExactlyTheExpectedIds) {
    BootFontBuilder font = chinese();
    GetParam().change(font);
    testsupport::TempDir dir;
    FontFileReader file(font.writeTo(dir / "font.bin"));
    std::vector<std::string> ids;
    std::string messages;
    for (const Finding& finding : checkFont(readWholeFont(file))) {
        EXPECT_FALSE(finding.message.empty());
        ids.push_back(finding.id);
        messages += finding.message + '\n';
    }
    std::ranges::sort(ids);
    EXPECT_EQ(ids, GetParam().ids);
    EXPECT_NE(messages.find(GetParam().inMessages), std::string::npos) << messages;
}

std::vector<DbcsGlyphRecord> manyDbcs(std::uint32_t count) {
    std::vector<DbcsGlyphRecord> records;
    for (std::uint32_t code = 0x10000 - count; code <= 0xFFFF; ++code) {
        records.push_back(dbcs(static_cast<std::uint16_t>(code)));
    }
    return records;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, FontCheck, testing::Values(
    CheckCase{"Clean17", [](BootFontBuilder&) {}, {}},
    // The Polish layout: 19-byte records carrying code page 852's characters (A5 ą, B3 │), the
    // control codes' text-screen symbols (01 ☺), no double-byte table and no lead ranges.
    CheckCase{"Clean19", [](BootFontBuilder& f) {
        const auto chineseHeader = f.header();
        f = BootFontBuilder();
        f.header() = {chineseHeader.Signature, 0x415, 0, 0, 0, 0, 0, 0, {}, 16, 1, 2, 8, 16};
        f.sbcsTable(52, {sbcs(0x01, 0x263A), sbcs(0xA5, 0x0105), sbcs(0xB3, 0x2502)}, 19); }, {}},
    CheckCase{"Signature", [](BootFontBuilder& f) { f.bytesAt(0, {'T', 'e', 'd', 'M'}); }, {"bad-signature"}},
    CheckCase{"Short", [](BootFontBuilder& f) { f = BootFontBuilder(); f.truncateTo(40); }, {"file-too-short"}},
    CheckCase{"SbcsPastEnd", [](BootFontBuilder& f) {
        f.sbcsTable(200, {sbcs(0x41), sbcs(0x42)}, 17).truncateTo(233); }, {"sbcs-past-end"}},
    CheckCase{"DbcsPastEnd", [](BootFontBuilder& f) { f.truncateTo(154); }, {"dbcs-past-end"}},
    // The single record's code lands on the double-byte width byte (48), which stays 16.
    CheckCase{"SbcsOverHeader", [](BootFontBuilder& f) {
        f.sbcsTable(48, {sbcs(16)}, 17).dbcsTable(65, {dbcs(0xB0A1)}, 36); }, {"sbcs-overlaps-header"}},
    // The code lands on the two width bytes (47, 48): 08 10.
    CheckCase{"DbcsOverHeader", [](BootFontBuilder& f) {
        f.header().DbcsLeadTable = {0x08, 0x08};
        f.dbcsTable(47, {dbcs(0x0810)}, 36).sbcsTable(100, {sbcs(0x41)}, 17); }, {"dbcs-overlaps-header"}},
    CheckCase{"Overlap", [](BootFontBuilder& f) { f.dbcsTable(66, {dbcs(0xB0A1)}, 36); }, {"tables-overlap"}},
    CheckCase{"SbcsLength", [](BootFontBuilder& f) { f.header().SbcsEntriesTotalSize = 35; }, {"sbcs-length-not-whole"}},
    CheckCase{"DbcsLength", [](BootFontBuilder& f) { f.header().DbcsEntriesTotalSize = 0; }, {"dbcs-length-not-whole"}},
    CheckCase{"SbcsUnsorted", [](BootFontBuilder& f) { f.sbcsTable(49, {sbcs(0x42), sbcs(0x41)}, 17); }, {"sbcs-codes-unsorted"}},
    CheckCase{"SbcsRepeated", [](BootFontBuilder& f) { f.sbcsTable(49, {sbcs(0x41), sbcs(0x41)}, 17); }, {"sbcs-code-repeated"}},
    CheckCase{"DbcsUnsorted", [](BootFontBuilder& f) { f.dbcsTable(83, {dbcs(0xB0A2), dbcs(0xB0A1)}, 36); }, {"dbcs-codes-unsorted"}},
    CheckCase{"DbcsRepeated", [](BootFontBuilder& f) { f.dbcsTable(83, {dbcs(0xB0A1), dbcs(0xB0A1)}, 36); }, {"dbcs-code-repeated"}, "the first is 0xB0A1 at index 1"},
    CheckCase{"LeadOutside", [](BootFontBuilder& f) { f.dbcsTable(83, {dbcs(0xB0A1), dbcs(0xB1A1)}, 36); }, {"lead-byte-outside-ranges"}},
    CheckCase{"RangeUnused", [](BootFontBuilder& f) { f.header().DbcsLeadTable = {0xB0, 0xB0, 0xC0, 0xC0}; }, {"lead-range-unused"}},
    CheckCase{"LeadTable", [](BootFontBuilder& f) { f.header().DbcsLeadTable = {0xB0, 0xB0, 0, 0, 0xC0}; }, {"bad-lead-table"}},
    CheckCase{"Unicode", [](BootFontBuilder& f) { f.dbcsTable(83, {dbcs(0xB0A1, 0x554A), dbcs(0xB0A2, 0x554A)}, 36); }, {"unicode-mismatch"}},
    CheckCase{"NoCodePage", [](BootFontBuilder& f) { f.header().LanguageId = 0x401; }, {"unknown-code-page"}},
    CheckCase{"Height", [](BootFontBuilder& f) { f.header().CharacterImageHeight = 0; }, {"bad-height"}},
    CheckCase{"Pad", [](BootFontBuilder& f) { f.header().CharacterTopPad = 9; f.header().CharacterBottomPad = 8; }, {"bad-pad"}},
    CheckCase{"Width", [](BootFontBuilder& f) { f.header().CharacterImageSbcsWidth = 9; }, {"bad-width"}},
    CheckCase{"NegativeCount", [](BootFontBuilder& f) { f.header().NumSbcsChars = -1; }, {"sbcs-count-negative"}},
    CheckCase{"NoOffset", [](BootFontBuilder& f) { f.bytesAt(0x14, {0, 0, 0, 0}); }, {"dbcs-offset-missing", "lead-range-unused"}},
    CheckCase{"ViewerLimit", [](BootFontBuilder& f) {
        f.header().DbcsLeadTable = {0x80, 0xFF}; f.dbcsTable(83, manyDbcs(32768), 36); }, {"viewer-count-limit"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace bootfont
