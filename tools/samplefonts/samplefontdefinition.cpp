#include "samplefonts/samplefontdefinition.h"

#include <algorithm>
#include <array>

namespace samplefonts {
namespace {

constexpr ByteRange kPrintableAscii{0x20, 0x7E};

// Windows language identifiers.
constexpr std::int32_t kChinesePrc = 0x804;
constexpr std::int32_t kChineseTaiwan = 0x404;
constexpr std::int32_t kJapanese = 0x411;
constexpr std::int32_t kKorean = 0x412;

}  // namespace

std::span<const SampleFontDefinition> sampleFontDefinitions() {
    static const std::array<SampleFontDefinition, 4> definitions{{
        // GB2312 in its EUC form (EUC-CN): rows 1 to 87 of the 94 × 94 set.
        {"zh-cn", "GB2312", kChinesePrc, {kPrintableAscii}, {{0xA1, 0xF7}}, {{0xA1, 0xFE}}},
        // Big5: its trail bytes come in two runs.
        {"zh-tw",
         "BIG5",
         kChineseTaiwan,
         {kPrintableAscii},
         {{0xA1, 0xF9}},
         {{0x40, 0x7E}, {0xA1, 0xFE}}},
        // JIS X 0208 in Shift_JIS, not Microsoft's CP932: JIS X 0208 is the character set asked
        // for, and CP932's NEC and IBM extensions repeat hundreds of characters under second codes.
        // Its lead bytes cover JIS rows 1 to 94; the half-width katakana of JIS X 0201 are
        // single-byte characters. Bytes 5C and 7E are JIS X 0201's yen sign and overline.
        {"ja",
         "SHIFT_JIS",
         kJapanese,
         {kPrintableAscii, {0xA1, 0xDF}},
         {{0x81, 0x9F}, {0xE0, 0xEF}},
         {{0x40, 0x7E}, {0x80, 0xFC}}},
        // KS X 1001 in its EUC form (EUC-KR): rows 1 to 94.
        {"ko", "EUC-KR", kKorean, {kPrintableAscii}, {{0xA1, 0xFE}}, {{0xA1, 0xFE}}},
    }};
    return definitions;
}

const SampleFontDefinition* findSampleFont(std::string_view name) {
    const auto definitions = sampleFontDefinitions();
    const auto found = std::ranges::find(definitions, name, &SampleFontDefinition::name);
    return found == definitions.end() ? nullptr : &*found;
}

}  // namespace samplefonts
