#include "cli/codeoptions.h"

#include <algorithm>

#include "cli/failure.h"
#include "runtime/numbertext.h"

namespace cli {

unsigned numberOption(const std::string& text, const std::string& what, unsigned limit) {
    std::size_t used = 0;
    unsigned long value = 0;
    try {
        const bool hex = text.starts_with("0x") || text.starts_with("0X");
        value = std::stoul(hex ? text.substr(2) : text, &used, hex ? 16 : 10);
        used += hex ? 2 : 0;
    } catch (const std::exception&) {
        used = 0;
    }
    if (text.empty() || used != text.size() || value > limit) {
        failUsage(what + " '" + text + "' is no number from 0 to " + runtime::hexCode(limit));
    }
    return static_cast<unsigned>(value);
}

std::vector<bootfont::CodeRange> codeRanges(const std::vector<std::string>& texts,
                                            const std::string& option, unsigned limit) {
    std::vector<bootfont::CodeRange> ranges;
    for (const std::string& text : texts) {
        const std::size_t dash = text.find('-');
        const unsigned first = numberOption(text.substr(0, dash), option, limit);
        const unsigned last =
            dash == std::string::npos ? first : numberOption(text.substr(dash + 1), option, limit);
        if (last < first) {
            failUsage(option + " " + text + " ends before it starts");
        }
        ranges.push_back({static_cast<std::uint16_t>(first), static_cast<std::uint16_t>(last)});
    }
    return ranges;
}

bool inCodeRanges(const std::vector<bootfont::CodeRange>& ranges, unsigned code) {
    return std::ranges::any_of(
        ranges, [code](bootfont::CodeRange r) { return code >= r.first && code <= r.last; });
}

}  // namespace cli
