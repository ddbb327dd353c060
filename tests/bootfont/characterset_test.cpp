// The character sets of languages: which codes a boot font for each holds, what they stand for,
// and the requests refused.
#include "bootfont/characterset.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/raisederror.h"

namespace bootfont {
namespace {

struct SetCase {
    CharacterSetRequest request;
    int codePage;
    const char* charset;
    std::size_t sbcs, dbcs;  // how many codes of each width
    std::uint16_t first, last;
    CharacterCode known;  // a code of the set and the characters it stands for
};

CharacterSetRequest request(std::int32_t language, std::optional<int> codePage = {},
                            std::vector<CodeRange> sbcs = {}, std::vector<CodeRange> dbcs = {}) {
    return {language, codePage, std::move(sbcs), std::move(dbcs)};
}

class CharacterSets : public testing::TestWithParam<SetCase> {};

TEST_P(CharacterSets, HoldTheStandardsCodesAscendingWithTheirCharacters) {
    const SetCase& c = GetParam();
    const CharacterSet set = characterSet(c.request);
    EXPECT_EQ(std::tie(set.codePage, set.charset), std::tie(c.codePage, c.charset));
    const auto doubleBytes = std::ranges::count(set.codes, true, &CharacterCode::doubleByte);
    EXPECT_EQ(set.codes.size() - doubleBytes, c.sbcs);
    EXPECT_EQ(doubleBytes, c.dbcs);
    ASSERT_FALSE(set.codes.empty());
    EXPECT_EQ(std::pair(set.codes.front().code, set.codes.back().code), std::pair(c.first, c.last));
    EXPECT_TRUE(std::ranges::is_sorted(set.codes, {}, [](const CharacterCode& code) {
        return std::pair(code.doubleByte, code.code);
    }));
    const auto known = std::ranges::find_if(set.codes, [&](const CharacterCode& code) {
        return code.code == c.known.code && code.doubleByte == c.known.doubleByte;
    });
    ASSERT_NE(known, set.codes.end()) << std::hex << c.known.code;
    EXPECT_EQ(std::pair(known->character, known->unicode),
              std::pair(c.known.character, c.known.unicode));
}

// Printable ASCII beside the national sets: GB 2312's 7445 characters, Big5's 13,461 with the
// euro, the ETEN additions and the 408 ETEN signs at 0xC6A1-0xC8FE (code page 950's private-use
// characters), JIS X 0208's 6879 and JIS X 0201's 63 katakana, KS X 1001's 8224 and two signs of
// its later editions; for other languages every printable byte of the OEM code page. JIS X 0208's
// 0x5C is the yen sign, stored as code page 932's backslash.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Languages, CharacterSets, testing::Values(
    SetCase{request(0x804), 936, "EUC-CN", 95, 7445, 0x20, 0xF7FE, {0xD6D0, true, U'中', U'中'}},
    SetCase{request(0x404), 950, "BIG5", 95, 13461 + 1 + 41 + 408, 0x20, 0xF9FE, {0xA4A4, true, U'中', U'中'}},
    SetCase{request(0x411), 932, "SHIFT_JIS", 95 + 63, 6879, 0x20, 0xEAA4, {0x5C, false, U'¥', U'\\'}},
    SetCase{request(0x412), 949, "EUC-KR", 95, 8224 + 2, 0x20, 0xFDFE, {0xC7D1, true, U'한', U'한'}},
    SetCase{request(0x415), 852, "CP852", 223, 0, 0x20, 0xFF, {0xA5, false, U'ą', U'ą'}},
    SetCase{request(0x40B), 850, "CP850", 223, 0, 0x20, 0xFF, {0x84, false, U'ä', U'ä'}},
    // Ranges choose codes of the set; control codes are no characters.
    SetCase{request(0x804, {}, {{0x41, 0x5A}}, {{0xB0A1, 0xB0FE}}), 936, "EUC-CN", 26, 94, 0x41, 0xB0FE, {0xB0A1, true, U'啊', U'啊'}},
    SetCase{request(0x409, {}, {{0x00, 0x20}}), 437, "CP437", 1, 0, 0x20, 0x20, {0x20, false, U' ', U' '}},
    // The code page's whole set: GBK's row 0x81 lies outside GB 2312.
    SetCase{request(0x804, 936, {}, {{0x8140, 0x81FE}}), 936, "CP936", 95, 190, 0x20, 0x81FE, {0x8140, true, U'丂', U'丂'}}));
// clang-format on

TEST(CharacterSet, RefusesALanguageWithoutACodePageAndACodePageNotTheLanguages) {
    const std::pair<CharacterSetRequest, const char*> cases[] = {
        {request(0x7F), "language 0x7F has no code page known here"},
        {request(0x804, 950),
         "code page 950 is not a double-byte code page of language 0x804, which uses code page "
         "936"},
        {request(0x415, 852), "code page 852 is not a double-byte code page of language 0x415"},
    };
    for (const auto& [request, refusal] : cases) {
        const auto error = testsupport::raised([&request = request] { characterSet(request); });
        ASSERT_TRUE(error) << refusal;
        EXPECT_EQ(error->number(), runtime::ErrorNumber::InvalidProcedureCall);
        EXPECT_NE(error->detail().find(refusal), std::string::npos) << error->detail();
    }
}

}  // namespace
}  // namespace bootfont
