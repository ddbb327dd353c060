#include "bootfont/characterset.h"

#include <algorithm>
#include <array>
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
    // The bytes that follow a lead byte in the set's encoding. No other code is one of its
    // characters; leaving them out spares iconv thousands of codes it would refuse.
    std::array<CodeRange, 2> trails;
};

// clang-format off
constexpr StandardSet kStandardSets[] = {
    {936, "EUC-CN",    {},            {{{0xA1, 0xFE}}}},                // GB 2312
    {950, "BIG5",      {},            {{{0x40, 0x7E}, {0xA1, 0xFE}}}},
    {932, "SHIFT_JIS", {0xA1, 0xDF},  {{{0x40, 0x7E}, {0x80, 0xFC}}}},  // JIS X 0208, and JIS X 0201's half-width katakana
    {949, "EUC-KR",    {},            {{{0xA1, 0xFE}}}},                // KS X 1001
};
// clang-format on

constexpr CodeRange kAscii{0x20, 0x7E};
constexpr CodeRange kAllSingleBytes{0x20, 0xFF};
constexpr unsigned kFirstLead = 0x81;
constexpr unsigned kLastByte = 0xFE;
// The trail bytes of a code page's whole double-byte set.
constexpr std::array<CodeRange, 2> kAllTrails{{{0x40, kLastByte}, {}}};

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

    // Each width's codes go through iconv in one run (CodePage::toUnicode): one conversion per
    // code took longer than the rest of a command that asks for the set.
    auto take = [&](const std::vector<std::uint16_t>& codes, bool doubleByte) {
        const int width = doubleByte ? 2 : 1;
        const auto characters = source.toUnicode(codes, width);
        std::vector<CharacterCode> taken;
        for (std::size_t i = 0; i < codes.size(); ++i) {
            if (characters[i] && printable(*characters[i])) {
                taken.push_back({codes[i], doubleByte, *characters[i], *characters[i]});
            }
        }
        if (!standardSet) {
            set.codes.insert(set.codes.end(), taken.begin(), taken.end());
            return;
        }
        std::vector<std::uint16_t> takenCodes;
        for (const CharacterCode& code : taken) {
            takenCodes.push_back(code.code);
        }
        const auto unicodes = codePage.toUnicode(takenCodes, width);
        for (std::size_t i = 0; i < taken.size(); ++i) {
            if (unicodes[i]) {
                taken[i].unicode = *unicodes[i];
                set.codes.push_back(taken[i]);
            }
        }
    };

    std::vector<CodeRange> sbcsRanges = request.sbcsRanges;
    if (sbcsRanges.empty()) {
        sbcsRanges = {standard ? kAscii : kAllSingleBytes};
        if (standard && standard->extraSbcs.last != 0) {
            sbcsRanges.push_back(standard->extraSbcs);
        }
    }
    std::vector<std::uint16_t> codes;
    for (unsigned code = 0; code <= 0xFF; ++code) {
        if (inRanges(sbcsRanges, code)) {
            codes.push_back(static_cast<std::uint16_t>(code));
        }
    }
    take(codes, false);
    if (!standard) {
        return set;
    }
    // A code whose first byte is no lead byte is no double-byte character.
    codes.clear();
    const auto& trails = standardSet ? standard->trails : kAllTrails;
    for (unsigned lead = kFirstLead; lead <= kLastByte; ++lead) {
        if (!source.isLeadByte(static_cast<std::uint8_t>(lead))) {
            continue;
        }
        for (const CodeRange& range : trails) {
            for (unsigned trail = range.first; range.last != 0 && trail <= range.last; ++trail) {
                const std::uint16_t code = doubleByteCode(static_cast<std::uint8_t>(lead),
                                                          static_cast<std::uint8_t>(trail));
                if (request.dbcsRanges.empty() || inRanges(request.dbcsRanges, code)) {
                    codes.push_back(code);
                }
            }
        }
    }
    take(codes, true);
    return set;
}

}  // namespace bootfont
