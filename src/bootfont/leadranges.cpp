#include "bootfont/leadranges.h"

#include <algorithm>

namespace bootfont {

std::vector<LeadRange> leadByteRanges(const BootFontHeader& header) {
    std::vector<LeadRange> ranges;
    const auto& table = header.DbcsLeadTable;
    for (std::size_t i = 0; i < 2 * kMaxDbcsRange; i += 2) {
        if (table[i] == 0 && table[i + 1] == 0) {
            break;
        }
        ranges.push_back({table[i], table[i + 1]});
    }
    return ranges;
}

bool leadTableTerminated(const BootFontHeader& header) {
    const auto& table = header.DbcsLeadTable;
    for (std::size_t i = 0; i < table.size(); i += 2) {
        if (table[i] == 0 && table[i + 1] == 0) {
            return true;
        }
    }
    return false;
}

std::vector<LeadRange> leadRangesOf(std::span<const DbcsGlyphRecord> dbcs) {
    std::vector<LeadRange> ranges;
    for (const DbcsGlyphRecord& record : dbcs) {
        const std::uint8_t lead = leadByte(record.code());
        if (!ranges.empty() && (lead == ranges.back().last || lead == ranges.back().last + 1)) {
            ranges.back().last = lead;
        } else {
            ranges.push_back({lead, lead});
        }
    }
    return ranges;
}

std::vector<LeadRange> joinLeadRanges(std::vector<LeadRange> ranges,
                                      const std::bitset<256>& leadBytes, std::size_t limit) {
    if (ranges.size() <= limit) {
        return ranges;
    }
    // The gaps that may be joined, by the index of the range before them, nearest first.
    std::vector<std::size_t> gaps;
    for (std::size_t i = 0; i + 1 < ranges.size(); ++i) {
        bool allLead = true;
        for (unsigned byte = ranges[i].last + 1U; byte < ranges[i + 1].first; ++byte) {
            allLead = allLead && leadBytes.test(byte);
        }
        if (allLead) {
            gaps.push_back(i);
        }
    }
    const auto width = [&](std::size_t i) { return ranges[i + 1].first - ranges[i].last; };
    std::ranges::stable_sort(gaps, {}, width);
    gaps.resize(std::min(gaps.size(), ranges.size() - limit));
    std::ranges::sort(gaps);
    // Joined from the highest gap down, so that the indexes of the lower ones stay.
    for (auto gap = gaps.rbegin(); gap != gaps.rend(); ++gap) {
        ranges[*gap].last = ranges[*gap + 1].last;
        ranges.erase(ranges.begin() + static_cast<std::ptrdiff_t>(*gap) + 1);
    }
    return ranges;
}

}  // namespace bootfont
