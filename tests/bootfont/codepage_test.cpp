#include "bootfont/codepage.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "support/raisederror.h"

namespace bootfont {
namespace {

struct LanguageCase {
    std::int32_t languageId;
    std::optional<int> codePage;
};

TEST(CodePageForLanguage, MapsEachKnownLanguageAndNoOther) {
    const LanguageCase cases[] = {
        {0x804, 936},  {0x1004, 936},
        {0x404, 950},  {0xC04, 950},
        {0x411, 932},  {0x412, 949},
        {0x415, 852},  {0x405, 852},
        {0x40E, 852},  {0x419, 866},
        {0x408, 737},  {0x41F, 857},
        {0x407, 850},  {0xC0A, 850},
        {0x409, 437},  {0x809, 850},
        {0x41E, {}},   {0x7C04, {}},
        {0, {}},       {-1, {}},
        {0x10415, {}}, {0x415 | static_cast<std::int32_t>(0x80000000u), {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(codePageForLanguage(c.languageId), c.codePage) << std::hex << c.languageId;
    }
}

struct ConversionCase {
    int codePage;
    std::vector<std::uint8_t> code;
    char32_t character;
};

class CodePageConversion : public ::testing::Test {
protected:
    CodePage& codePage(int number) {
        auto& slot = codePages_[number];
        if (!slot) {
            slot = std::make_unique<CodePage>(number);
        }
        return *slot;
    }

    std::map<int, std::unique_ptr<CodePage>> codePages_;
};

TEST_F(CodePageConversion, StoredCodesAndCharactersConvertBothWays) {
    const ConversionCase cases[] = {
        {936, {0xD6, 0xD0}, U'中'}, {936, {0x41}, U'A'},        {936, {0x80}, U'€'},
        {950, {0xA4, 0xA4}, U'中'}, {932, {0x92, 0x86}, U'中'}, {949, {0xF1, 0xE9}, U'中'},
        {852, {0xA5}, U'ą'},        {852, {0xB3}, U'│'},        {866, {0x80}, U'А'},
        {737, {0x80}, U'Α'},        {857, {0xA7}, U'ğ'},        {850, {0x82}, U'é'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePage);
        EXPECT_EQ(codePage(c.codePage).toUnicode(c.code), c.character);
        EXPECT_EQ(codePage(c.codePage).fromUnicode(c.character), c.code);
    }
}

TEST_F(CodePageConversion, BytesThatAreNotOneCharacterHaveNone) {
    const ConversionCase cases[] = {
        {936, {0xD6}, 0},        // a lead byte alone
        {936, {0x00, 0x41}, 0},  // two characters
        {936, {}, 0},           {936, {0x41, 0x42, 0x43}, 0}, {932, {0xA0}, 0},  // unassigned
    };
    for (const auto& c : cases) {
        EXPECT_EQ(codePage(c.codePage).toUnicode(c.code), std::nullopt) << c.code.size();
    }
    // A failed conversion leaves nothing behind for the next one.
    EXPECT_EQ(codePage(936).toUnicode(std::vector<std::uint8_t>{0xD6, 0xD0}), U'中');
}

TEST_F(CodePageConversion, CharactersOutsideTheCodePageHaveNoCode) {
    EXPECT_EQ(codePage(936).fromUnicode(U'ก'), std::nullopt);
    EXPECT_EQ(codePage(852).fromUnicode(U'中'), std::nullopt);
    EXPECT_EQ(codePage(936).fromUnicode(0xD800), std::nullopt);    // a surrogate
    EXPECT_EQ(codePage(936).fromUnicode(0x110000), std::nullopt);  // past Unicode
}

TEST(CodePage, AnUnknownNumberIsAnInvalidArgument) {
    EXPECT_EQ(testsupport::raisedError([] { CodePage unknown(12345); }),
              runtime::ErrorNumber::InvalidProcedureCall);
}

}  // namespace
}  // namespace bootfont
