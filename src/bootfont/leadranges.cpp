#include "bootfont/leadranges.h"

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

}  // namespace bootfont
