// bootfont export: FreeType reads every exported BDF back with the source's glyphs under their
// characters (or, with --native, their codes), the Unifont .hex holds the same glyphs, and
// bdftopcf accepts the BDF.
#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>

#include "bootfont/codepage.h"
#include "bootfont/wholefont.h"
#include "support/bootfontbuilder.h"
#include "support/tempdir.h"

namespace {

using Rows = std::vector<std::uint8_t>;

// The glyphs a boot font should export: bitmap by character (or by code), first record wins.
std::map<std::uint32_t, Rows> sourceGlyphs(const bootfont::WholeFont& font, bool native) {
    const auto codePage = bootfont::openLanguageCodePage(font.header.LanguageId);
    std::map<std::uint32_t, Rows> glyphs;
    const auto add = [&](const auto& record) {
        const auto character = bootfont::glyphUnicode(record, codePage.get());
        if (native || character) {
            glyphs.try_emplace(native ? record.code() : character->value, record.Bitmap.begin(),
                               record.Bitmap.end());
        }
    };
    std::ranges::for_each(font.sbcsGlyphs, add);
    std::ranges::for_each(font.dbcsGlyphs, add);
    return glyphs;
}

// Every glyph of a BDF font as FreeType renders it, by the code of its (first) character map.
std::map<std::uint32_t, Rows> freetypeGlyphs(const std::filesystem::path& bdf) {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    std::map<std::uint32_t, Rows> glyphs;
    if (FT_Init_FreeType(&library) != 0 || FT_New_Face(library, bdf.c_str(), 0, &face) != 0 ||
        FT_Set_Charmap(face, face->charmaps[0]) != 0) {
        ADD_FAILURE() << "FreeType cannot open " << bdf;
        return glyphs;
    }
    FT_UInt index = 0;
    for (FT_ULong code = FT_Get_First_Char(face, &index); index != 0;
         code = FT_Get_Next_Char(face, code, &index)) {
        EXPECT_EQ(FT_Load_Glyph(face, index, FT_LOAD_DEFAULT), 0);
        const FT_Bitmap& bitmap = face->glyph->bitmap;
        Rows& rows = glyphs[static_cast<std::uint32_t>(code)];
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            const auto* line = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
            rows.insert(rows.end(), line, line + (bitmap.width + 7) / 8);
        }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return glyphs;
}

std::map<std::uint32_t, Rows> hexGlyphs(const std::filesystem::path& hex) {
    std::map<std::uint32_t, Rows> glyphs;
    std::ifstream in(hex);
    for (std::string line; std::getline(in, line);) {
        const auto colon = line.find(':');
        Rows& rows =
            glyphs[static_cast<std::uint32_t>(std::stoul(line.substr(0, colon), nullptr, 16))];
        for (std::size_t i = colon + 1; i + 1 < line.size(); i += 2) {
            rows.push_back(static_cast<std::uint8_t>(std::stoul(line.substr(i, 2), nullptr, 16)));
        }
    }
    return glyphs;
}

// The four samples, and a Polish font of 19-byte records, a few carrying their characters.
std::filesystem::path fontFile(const std::string& name, const testsupport::TempDir& dir) {
    if (name != "pl") {
        return std::string(SAMPLE_FONT_DIR) + "/bootfont-" + name + ".bin";
    }
    return testsupport::polishFont().writeTo(dir / "pl.bin");
}

class Export : public testing::TestWithParam<std::tuple<const char*, bool>> {};

TEST_P(Export, FreeTypeReadsBackTheSourceGlyphsAndBdftopcfAcceptsThem) {
    const auto [name, native] = GetParam();
    testsupport::TempDir dir;
    const auto input = fontFile(name, dir);
    const std::string run = std::string(BOOTFONT_CLI) + " export " + input.string() + " -o " +
                            (dir / "out.bdf").string() + (native ? " --native" : "") +
                            " 2>/dev/null";
    ASSERT_EQ(std::system(run.c_str()), 0) << run;
    bootfont::FontFileReader file(input);
    const auto expected = sourceGlyphs(bootfont::readWholeFont(file), native);
    EXPECT_EQ(freetypeGlyphs(dir / "out.bdf"), expected);
    const std::string pcf =
        "bdftopcf -o " + (dir / "out.pcf").string() + " " + (dir / "out.bdf").string();
    EXPECT_EQ(std::system(pcf.c_str()), 0);
    if (!native) {
        const std::string hex = std::string(BOOTFONT_CLI) + " export " + input.string() +
                                " -o - --format hex >" + (dir / "out.hex").string() +
                                " 2>/dev/null";
        ASSERT_EQ(std::system(hex.c_str()), 0);
        EXPECT_EQ(hexGlyphs(dir / "out.hex"), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, Export,
                         testing::Combine(testing::Values("zh-cn", "zh-tw", "ja", "ko", "pl"),
                                          testing::Bool()));

}  // namespace
