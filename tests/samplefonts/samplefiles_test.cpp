// The sample fonts that the build writes into bin/bootfont, read through the viewer's own loader.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bootfont/loadertesthelpers.h"

namespace {

struct Range {
    unsigned first;
    unsigned last;
};

bool inRanges(unsigned byte, const std::vector<Range>& ranges) {
    for (const Range range : ranges) {
        if (byte >= range.first && byte <= range.last) {
            return true;
        }
    }
    return false;
}

struct SampleFile {
    std::string name;
    std::int32_t languageId;
    std::vector<Range> sbcsCodes;
    std::int32_t sbcsCount;
    // The size of the character set, less what Unifont does not draw.
    std::int32_t dbcsCount;
    std::array<std::uint8_t, 12> leadTable;
    std::vector<Range> trailBytes;
};

const std::vector<Range> kAscii{{0x20, 0x7E}};

const SampleFile kSamples[] = {
    // All 7,445 characters of GB2312: 15 pages of 500 in the viewer.
    {"zh-cn", 0x804, kAscii, 95, 7445, {0xA1, 0xF7}, {{0xA1, 0xFE}}},
    // Big5's 13,461 characters, the euro sign (A3E1) and the 41 ETEN additions (F9D6-F9FE); its
    // user-defined area C6A1-C8FE maps to private-use characters that Unifont does not draw.
    {"zh-tw", 0x404, kAscii, 95, 13461 + 1 + 41, {0xA1, 0xF9}, {{0x40, 0x7E}, {0xA1, 0xFE}}},
    // The 6,879 characters of JIS X 0208, and JIS X 0201's half-width katakana as single bytes.
    {"ja",
     0x411,
     {{0x20, 0x7E}, {0xA1, 0xDF}},
     95 + 63,
     6879,
     {0x81, 0x9F, 0xE0, 0xEF},
     {{0x40, 0x7E}, {0x80, 0xFC}}},
    // KS X 1001's 8,224 characters and the euro, registered and postal code signs of its 1998 and
    // 2002 editions.
    {"ko", 0x412, kAscii, 95, 8224 + 3, {0xA1, 0xFE}, {{0xA1, 0xFE}}},
};

std::filesystem::path samplePath(const std::string& name) {
    return std::filesystem::path(SAMPLE_FONT_DIR) / ("bootfont-" + name + ".bin");
}

class SampleFiles : public ::testing::TestWithParam<SampleFile> {
protected:
    void SetUp() override {
        path_ = samplePath(GetParam().name);
        ASSERT_TRUE(testsupport::loadFile(state_, path_)) << path_ << ": signature refused";
    }

    std::filesystem::path path_;
    bootfont::ViewerState state_;
};

TEST_P(SampleFiles, HoldTheirCodePagesCodesInOrderInTablesRightAfterTheHeader) {
    const auto& header = state_.Header;
    const SampleFile& sample = GetParam();
    EXPECT_EQ(std::tie(header.LanguageId, header.NumSbcsChars, header.NumDbcsChars),
              std::tie(sample.languageId, sample.sbcsCount, sample.dbcsCount));
    EXPECT_EQ(header.SbcsOffset, 49);
    EXPECT_EQ(header.SbcsEntriesTotalSize, header.NumSbcsChars * 17);
    EXPECT_EQ(header.DbcsOffset, header.SbcsOffset + header.SbcsEntriesTotalSize);
    EXPECT_EQ(header.DbcsEntriesTotalSize, header.NumDbcsChars * 36);
    EXPECT_EQ(std::filesystem::file_size(path_),
              static_cast<std::uintmax_t>(header.DbcsOffset) + header.DbcsEntriesTotalSize);
    EXPECT_EQ(header.DbcsLeadTable, sample.leadTable);
    EXPECT_EQ(std::tie(header.CharacterImageHeight, header.CharacterImageSbcsWidth,
                       header.CharacterImageDbcsWidth),
              std::make_tuple(16, 8, 16));
    unsigned previous = 0;
    for (const auto& record : state_.SbcsGlyphs) {
        ASSERT_GT(record.Code, previous) << "codes out of order";
        ASSERT_TRUE(inRanges(record.Code, sample.sbcsCodes)) << std::hex << record.Code;
        previous = record.Code;
    }
    std::vector<Range> leads;  // the header's (first, last) pairs up to the 00 00 pair
    for (std::size_t i = 0; i + 1 < header.DbcsLeadTable.size() && header.DbcsLeadTable[i];
         i += 2) {
        leads.push_back({header.DbcsLeadTable[i], header.DbcsLeadTable[i + 1]});
    }
    previous = 0;
    for (const auto& record : state_.DbcsGlyphs) {
        const unsigned code = record.Code[0] << 8 | record.Code[1];
        ASSERT_GT(code, previous) << "codes out of order";
        ASSERT_TRUE(inRanges(record.Code[0], leads) && inRanges(record.Code[1], sample.trailBytes))
            << std::hex << code;
        previous = code;
    }
}

INSTANTIATE_TEST_SUITE_P(AllSamples, SampleFiles, ::testing::ValuesIn(kSamples),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::erase(name, '-');
                             return name;
                         });

// The glyph bitmap of a character, straight from the digits of its line in a Unifont .hex file.
std::vector<std::uint8_t> unifontBitmap(const char* hexFile, const std::string& codePoint) {
    std::ifstream in(hexFile);
    std::string line;
    while (std::getline(in, line)) {
        if (line.starts_with(codePoint + ":")) {
            std::vector<std::uint8_t> bytes;
            for (std::size_t i = codePoint.size() + 1; i + 1 < line.size(); i += 2) {
                bytes.push_back(
                    static_cast<std::uint8_t>(std::stoul(line.substr(i, 2), nullptr, 16)));
            }
            return bytes;
        }
    }
    ADD_FAILURE() << hexFile << " has no line for " << codePoint;
    return {};
}

// An 8-pixel glyph centred in a 16-pixel row: 4 columns of space on either side.
std::vector<std::uint8_t> centred(const std::vector<std::uint8_t>& narrow) {
    std::vector<std::uint8_t> wide;
    for (const std::uint8_t row : narrow) {
        wide.push_back(row >> 4);
        wide.push_back(static_cast<std::uint8_t>(row << 4));
    }
    return wide;
}

struct KnownGlyph {
    std::string sample;
    std::vector<std::uint8_t> code;  // one byte or lead and trail byte
    const char* hexFile;
    std::string codePoint;
    bool centred = false;  // an 8-pixel glyph in a double-byte cell
};

std::vector<std::uint8_t> sampleBitmap(const KnownGlyph& glyph) {
    bootfont::ViewerState state;
    EXPECT_TRUE(testsupport::loadFile(state, samplePath(glyph.sample)));
    for (const auto& record : state.SbcsGlyphs) {
        if (glyph.code == std::vector<std::uint8_t>{record.Code}) {
            return {record.Bitmap.begin(), record.Bitmap.end()};
        }
    }
    for (const auto& record : state.DbcsGlyphs) {
        if (glyph.code == std::vector<std::uint8_t>(record.Code.begin(), record.Code.end())) {
            return {record.Bitmap.begin(), record.Bitmap.end()};
        }
    }
    ADD_FAILURE() << glyph.sample << " has no glyph for U+" << glyph.codePoint;
    return {};
}

TEST(SampleGlyphs, AreUnifontsGlyphsFoundByTheirCode) {
    const KnownGlyph glyphs[] = {
        {"zh-cn", {0xD6, 0xD0}, UNIFONT_HEX, "4E2D"},        // 中
        {"zh-cn", {0xA6, 0xC1}, UNIFONT_HEX, "03B1", true},  // α, drawn 8 pixels wide
        {"zh-cn", {0x41}, UNIFONT_HEX, "0041"},              // A
        {"zh-tw", {0xA4, 0xA4}, UNIFONT_HEX, "4E2D"},        // 中
        {"ja", {0x82, 0xA0}, UNIFONT_JP_HEX, "3042"},        // あ
        {"ja", {0x92, 0x86}, UNIFONT_JP_HEX, "4E2D"},        // 中 in its Japanese form
        {"ja", {0x5C}, UNIFONT_JP_HEX, "00A5"},              // ¥ in JIS X 0201, not a backslash
        {"ja", {0xB1}, UNIFONT_JP_HEX, "FF71"},              // half-width katakana ｱ
        {"ko", {0xC7, 0xD1}, UNIFONT_HEX, "D55C"},           // 한
    };
    for (const auto& glyph : glyphs) {
        const auto unifont = unifontBitmap(glyph.hexFile, glyph.codePoint);
        EXPECT_EQ(sampleBitmap(glyph), glyph.centred ? centred(unifont) : unifont)
            << glyph.sample << " U+" << glyph.codePoint;
    }
}

}  // namespace
