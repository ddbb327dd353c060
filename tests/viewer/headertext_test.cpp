#include "viewer/headertext.h"

#include <gtest/gtest.h>

#include "runtime/runtimeerror.h"

namespace viewer {
namespace {

TEST(HeaderTexts, EachBoxShowsItsOwnField) {
    bootfont::BootFontHeader header;
    header.Signature = 0x5465644D;
    header.LanguageId = 0x804;
    header.NumSbcsChars = 95;
    header.NumDbcsChars = 7445;
    header.SbcsOffset = 49;
    header.DbcsOffset = 1664;
    header.SbcsEntriesTotalSize = 1615;
    header.DbcsEntriesTotalSize = 268020;
    header.DbcsLeadTable = {0xA1, 0xFE};
    header.CharacterImageHeight = 16;
    header.CharacterTopPad = 1;
    header.CharacterBottomPad = 2;
    header.CharacterImageSbcsWidth = 8;
    header.CharacterImageDbcsWidth = 17;
    const std::array<std::string, kHeaderTextCount> expected = {"Chinese (PRC)",
                                                                "95",
                                                                "7445",
                                                                "49",
                                                                "1664",
                                                                "1615",
                                                                "268020",
                                                                " A1 FE 0 0 0 0 0 0 0 0 0 0",
                                                                "16",
                                                                "1",
                                                                "2",
                                                                "8",
                                                                "17"};
    EXPECT_EQ(headerTexts(header), expected);
}

TEST(HeaderTexts, SignedFieldsAndByteExtremes) {
    bootfont::BootFontHeader header;
    header.NumSbcsChars = -5;
    header.NumDbcsChars = -1;
    header.SbcsOffset = 0;
    header.DbcsOffset = -2147483647 - 1;
    header.CharacterImageHeight = 255;
    header.CharacterTopPad = 0;
    const auto texts = headerTexts(header);
    EXPECT_EQ(texts[1], "-5");
    EXPECT_EQ(texts[2], "-1");
    EXPECT_EQ(texts[3], "0");
    EXPECT_EQ(texts[4], "-2147483648");
    EXPECT_EQ(texts[8], "255");
    EXPECT_EQ(texts[9], "0");
}

TEST(HeaderTexts, LanguageNamesAndUnknownIdsInHex) {
    EXPECT_EQ(languageText(1028), "Chinese (Taiwan)");
    EXPECT_EQ(languageText(1031), "German (Standard)");
    EXPECT_EQ(languageText(1036), "French (Standard)");
    EXPECT_EQ(languageText(1041), "Japanese");
    EXPECT_EQ(languageText(1042), "Korean");
    EXPECT_EQ(languageText(1049), "Russian");
    EXPECT_EQ(languageText(2052), "Chinese (PRC)");
    // Any other id shows itself, so a box never keeps an earlier file's language.
    EXPECT_EQ(languageText(1033), "0x409");
    EXPECT_EQ(languageText(1045), "0x415");
    EXPECT_EQ(languageText(0), "0x0");
    EXPECT_EQ(languageText(-1), "0xFFFFFFFF");
    EXPECT_EQ(languageText(0x10804), "0x10804");  // the whole 32 bits are compared
}

TEST(HeaderTexts, LeadBytesAsSpaceSeparatedHex) {
    EXPECT_EQ(leadByteText({0x81, 0xFE}), " 81 FE 0 0 0 0 0 0 0 0 0 0");
    const std::string zeros = leadByteText({});
    EXPECT_EQ(zeros, " 0 0 0 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(zeros.size(), 24U);
    EXPECT_EQ(leadByteText({10, 0x0F, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8, 9}),
              " A F FF 1 2 3 4 5 6 7 8 9");
}

TEST(PageIndicator, CountsThePagesNeeded) {
    const struct {
        std::int32_t glyphs;
        std::int16_t pages;
    } cases[] = {{-7, 0},    {0, 0},     {1, 1},     {250, 1},   {499, 1},
                 {500, 1},   {501, 2},   {750, 2},   {1250, 3},  {7000, 14},
                 {7100, 15}, {7250, 15}, {7445, 15}, {7750, 16}, {16383500, 32767}};
    for (const auto& c : cases) {
        EXPECT_EQ(dbcsPageCount(c.glyphs), c.pages) << c.glyphs;
    }
    for (const std::int32_t glyphs : {16383501, 2147483647}) {
        try {
            dbcsPageCount(glyphs);
            ADD_FAILURE() << glyphs << " pages fit 16 bits";
        } catch (const runtime::RuntimeError& error) {
            EXPECT_EQ(error.number(), runtime::ErrorNumber::Overflow);
        }
    }
}

TEST(PageIndicator, NumbersPagesFromOneAndFormatsTheText) {
    EXPECT_EQ(dbcsPageNumber(0), 1);
    EXPECT_EQ(dbcsPageNumber(1000), 3);
    EXPECT_EQ(dbcsPageNumber(32500), 66);
    EXPECT_EQ(pageIndicatorText(3, 14), "第 3 / 14 页");
    EXPECT_EQ(pageIndicatorText(1, 0), "第 1 / 0 页");
    EXPECT_EQ(afterLoadPageIndicatorText(7000), "第 1 / 14 页");
    EXPECT_EQ(afterLoadPageIndicatorText(7100), "第 1 / 15 页");
    EXPECT_EQ(afterLoadPageIndicatorText(0), "第 0 / 0 页");
    EXPECT_EQ(afterLoadPageIndicatorText(-3), "第 0 / 0 页");
}

}  // namespace
}  // namespace viewer
