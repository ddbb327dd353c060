#include "bootfont/codepage.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/raisederror.h"

namespace bootfont {
namespace {

TEST(CodePageForLanguage, MapsEachKnownLanguageAndNoOther) {
    const std::pair<std::int32_t, std::optional<int>> cases[] = {
        {0x804, 936}, {0x1004, 936}, {0x404, 950},  {0xC04, 950}, {0x411, 932}, {0x412, 949},
        {0x415, 852}, {0x405, 852},  {0x40E, 852},  {0x419, 866}, {0x408, 737}, {0x41F, 857},
        {0x407, 850}, {0xC0A, 850},  {0x409, 437},  {0x809, 850}, {0x41E, {}},  {0x7C04, {}},
        {0, {}},      {-1, {}},      {0x10415, {}},
    };
    for (const auto& [language, codePage] : cases) {
        EXPECT_EQ(codePageForLanguage(language), codePage) << std::hex << language;
    }
}

TEST(CodePage, ConvertsStoredCodesAndCharactersBothWaysAndSaysWhenThereIsNone) {
    const struct {
        int codePage;
        std::vector<std::uint8_t> code;
        std::optional<char32_t> character;
    } cases[] = {
        {936, {0xD6, 0xD0}, U'中'},
        {936, {0x41}, U'A'},
        {950, {0xA4, 0xA4}, U'中'},
        {932, {0x92, 0x86}, U'中'},
        {949, {0xF1, 0xE9}, U'中'},
        {852, {0xA5}, U'ą'},
        {852, {0xB3}, U'│'},
        {866, {0x80}, U'А'},
        {737, {0x80}, U'Α'},
        {857, {0xA7}, U'ğ'},
        {850, {0x82}, U'é'},
        {936, {0xD6}, {}},        // a lead byte alone
        {936, {0x00, 0x41}, {}},  // two characters
        {936, {}, {}},
        {932, {0xA0}, {}},  // unassigned
    };
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

}  // namespace
}  // namespace bootfont
