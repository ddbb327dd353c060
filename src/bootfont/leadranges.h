#pragma once

#include <bitset>
#include <cstdint>
#include <span>
#include <vector>

#include "bootfont/bootfontrecords.h"

// The header's lead-byte table: up to kMaxDbcsRange (first, last) ranges of the lead bytes of
// double-byte codes, ended by a 00 00 pair. The boot loader reads no further than five ranges.
namespace bootfont {

struct LeadRange {
    std::uint8_t first = 0;
    std::uint8_t last = 0;

    friend bool operator==(const LeadRange&, const LeadRange&) = default;
};

// The ranges the header declares, as the loader reads them: pairs up to the first 00 00 pair, at
// most kMaxDbcsRange.
std::vector<LeadRange> leadByteRanges(const BootFontHeader& header);

// Whether the table ends its ranges with a 00 00 pair within the five the loader reads.
bool leadTableTerminated(const BootFontHeader& header);

// The runs of consecutive lead bytes of `dbcs` (codes ascending): the ranges a font needs.
std::vector<LeadRange> leadRangesOf(std::span<const DbcsGlyphRecord> dbcs);

// `ranges` (ascending, apart) joined across the gaps between them whose every byte is set in
// `leadBytes`, the nearest gaps (fewest bytes; of equal ones the lowest) first, until at most
// `limit` remain. Marking a byte that is a lead byte of the code page anyway changes nothing for
// the boot loader, which reads text in that code page. More than `limit` ranges when too few gaps
// can be joined.
std::vector<LeadRange> joinLeadRanges(std::vector<LeadRange> ranges,
                                      const std::bitset<256>& leadBytes, std::size_t limit);

}  // namespace bootfont
