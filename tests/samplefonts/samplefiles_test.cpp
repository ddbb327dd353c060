// The sample fonts that the build writes into bin/bootfont, read through the viewer's own loader.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bootfont/fontloader.h"

namespace {

// A sample read as the open command reads it: the header, and both tables of a signed file.
bootfont::LoadedFont loadSample(const std::string& name) {
    bootfont::LoadedFont state;
    bootfont::FontFileReader file(std::filesystem::path(SAMPLE_FONT_DIR) /
                                  ("bootfont-" + name + ".bin"));
    bootfont::readHeader(state, file);
    EXPECT_TRUE(bootfont::hasBootFontSignature(state.Header)) << name;
    bootfont::GetSbcs(state, file);
    bootfont::GetDbcs(state, file);
    return state;
}

// The glyph bitmap of a character, straight from the digits of its line in a Unifont .hex file;
// an 8-pixel glyph in a double-byte cell is centred, 4 columns of space on either side.
std::vector<std::uint8_t> unifontBitmap(const char* hexFile, const std::string& codePoint,
                                        bool centred) {
    std::ifstream in(hexFile);
    std::string line;
    while (std::getline(in, line) && !line.starts_with(codePoint + ":")) {
    }
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = codePoint.size() + 1; i + 1 < line.size(); i += 2) {
        const auto row = static_cast<std::uint8_t>(std::stoul(line.substr(i, 2), nullptr, 16));
        if (centred) {
            bytes.push_back(row >> 4);
        }
        bytes.push_back(centred ? static_cast<std::uint8_t>(row << 4) : row);
    }
    return bytes;
}

TEST(SampleFiles, HoldUnifontsGlyphsAtTheirCodes) {
    // {sample, code (one or two bytes), Unifont file, code point, centred}
    const std::tuple<const char*, unsigned, const char*, const char*, bool> glyphs[] = {
        {"zh-cn", 0xD6D0, UNIFONT_HEX, "4E2D", false},  // 中
        {"zh-cn", 0xA6C1, UNIFONT_HEX, "03B1", true},   // α, drawn 8 pixels wide
        {"zh-cn", 0x41, UNIFONT_HEX, "0041", false},    // A
        {"zh-tw", 0xA4A4, UNIFONT_HEX, "4E2D", false},  // 中
        {"ja", 0x82A0, UNIFONT_JP_HEX, "3042", false},  // あ
        {"ja", 0x9286, UNIFONT_JP_HEX, "4E2D", false},  // 中 in its Japanese form
        {"ja", 0x5C, UNIFONT_JP_HEX, "00A5", false},    // ¥ in JIS X 0201, not a backslash
        {"ja", 0xB1, UNIFONT_JP_HEX, "FF71", false},    // half-width katakana ｱ
        {"ko", 0xC7D1, UNIFONT_HEX, "D55C", false}};    // 한
    for (const auto& [sample, code, hexFile, codePoint, centred] : glyphs) {
        const auto state = loadSample(sample);
        std::vector<std::uint8_t> found;
        for (const auto& r : state.SbcsGlyphs) {
            if (r.Code == code) {
                found.assign(r.Bitmap.begin(), r.Bitmap.end());
            }
        }
        for (const auto& r : state.DbcsGlyphs) {
            if (r.code() == code) {
                found.assign(r.Bitmap.begin(), r.Bitmap.end());
            }
        }
        EXPECT_EQ(found, unifontBitmap(hexFile, codePoint, centred))
            << sample << " U+" << codePoint;
    }
}

}  // namespace
