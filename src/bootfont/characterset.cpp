#include "bootfont/characterset.h"

#include <algorithm>
#include <memory>

#include "bootfont/bootfonterror.h"
#include "bootfont/codepage.h"
#include "bootfont/languages.h"
#include "runtime/numbertext.h"

namespace bootfont {
namespace {

// The national standard set behind each East Asian code page, in the form iconv reads it.
struct StandardSet {
    int codePage = 0;
    const char* charset = "";
    CodeRange extraSbcs;  // single-byte characters beyond ASCII
};

// clang-format off
constexpr StandardSet kStandardSets[] = {
    {936, "EUC-CN",    {}},            // GB 2312
    {950, "BIG5",      {}},
    {932, "SHIFT_JIS", {0xA1, 0xDF}},  // JIS X 0208, and JIS X 0201's half-width katakana
    {949, "EUC-KR",    {}},            // KS X 1001
};
// clang-format on

constexpr CodeRange kAscii{0x20, 0x7E};
constexpr CodeRange kAllSingleBytes{0x20, 0xFF};
constexpr unsigned kFirstLead = 0x81;
constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kLastByte = 0xFE;

// Control characters have no glyph on a boot screen.
bool printable(char32_t c) {
    return c >= 0x20 && !(c >= 0x7F && c <= 0x9F);
}

bool inRanges(const std::vector<CodeRange>& ranges, unsigned code) {
    return std::ranges::any_of(ranges,
                               [code](CodeRange r) { return code >= r.first && code <= r.last; });
}

}  // namespace

CharacterSet characterSet(const CharacterSetRequest& request) {
    const std::optional<int> languageCodePage = codePageForLanguage(request.languageId);
    if (!languageCodePage) {
        refuse("language " + runtime::hexCode(static_cast<std::uint32_t>(request.languageId)) +
               " has no code page known here");
    }
    const StandardSet* standard = nullptr;
    for (const StandardSet& set : kStandardSets) {
        if (set.codePage == *languageCodePage) {
            standard = &set;
        }
    }
    if (request.codePage && (!standard || *request.codePage != *languageCodePage)) {
        refuse("code page " + std::to_string(*request.codePage) +
               " is not a double-byte code page of language " +
               runtime::hexCode(static_cast<std::uint32_t>(request.languageId)) +
               ", which uses code page " + std::to_string(*languageCodePage));
    }

    CharacterSet set;
    set.codePage = *languageCodePage;
    set.charset = standard && !request.codePage ? standard->charset
                                                : "CP" + std::to_string(*languageCodePage);
    const CodePage codePage(*languageCodePage);
    std::unique_ptr<CodePage> standardSet;
    if (set.charset != "CP" + std::to_string(*languageCodePage)) {
        standardSet = std::make_unique<CodePage>(*languageCodePage, set.charset);
    }
    const CodePage& source = standardSet ? *standardSet : codePage;

    auto take = [&](unsigned code, bool doubleByte) {
        const CodeBytes bytes = codeBytes(static_cast<std::uint16_t>(code), doubleByte ? 2 : 1);
        const auto character = source.toUnicode(bytes.view());
        if (!character || !printable(*character)) {
            return;
        }
        const auto unicode = standardSet ? codePage.toUnicode(bytes.view()) : character;
        if (unicode) {
            set.codes.push_back(
                {static_cast<std::uint16_t>(code), doubleByte, *character, *unicode});
        }
    };

    std::vector<CodeRange> sbcsRanges = request.sbcsRanges;
    if (sbcsRanges.empty()) {
        sbcsRanges = {standard ? kAscii : kAllSingleBytes};
        if (standard && standard->extraSbcs.last != 0) {
            sbcsRanges.push_back(standard->extraSbcs);
        }
    }
    for (unsigned code = 0; code <= 0xFF; ++code) {
        if (inRanges(sbcsRanges, code)) {
            take(code, false);
        }
    }
    if (!standard) {
        return set;
    }
    for (unsigned lead = kFirstLead; lead <= kLastByte; ++lead) {
        for (unsigned trail = kFirstTrail; trail <= kLastByte; ++trail) {
            const std::uint16_t code =
                doubleByteCode(static_cast<std::uint8_t>(lead), static_cast<std::uint8_t>(trail));
            if (request.dbcsRanges.empty() || inRanges(request.dbcsRanges, code)) {
                take(code, true);
            }
        }
    }
    return set;
}

}  // namespace bootfont
