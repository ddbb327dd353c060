#include "bootfont/bootfontwriter.h"

#include <limits>
#include <string>

#include "bootfont/bootfonterror.h"
#include "bootfont/codepage.h"
#include "bootfont/glyphtables.h"
#include "bootfont/headerfields.h"
#include "bootfont/leadranges.h"
#include "bootfont/valuetext.h"
#include "runtime/numbertext.h"

namespace bootfont {
namespace {

template <typename Record>
void requireAscending(std::span<const Record> records) {
    const GlyphTableDeclaration& table = glyphTable(Record::kTable);
    for (std::size_t i = 1; i < records.size(); ++i) {
        const std::uint16_t code = records[i].code();
        const std::uint16_t previous = records[i - 1].code();
        if (code <= previous) {
            refuse(std::string(table.name) + " code " + codeText(code, table.table) +
                   (code == previous ? " repeats" : " is out of order"));
        }
    }
}

// Places a table's records in the header, `at` bytes from the start of the file, in the layout
// with the Unicode value.
template <typename Record>
void declareTable(BootFontHeader& header, std::span<const Record> records, std::int32_t at) {
    const GlyphTableDeclaration& table = glyphTable(Record::kTable);
    const std::size_t recordSize = table.withUnicode.size();
    constexpr auto kLimit = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    if (records.size() > (kLimit - kHeaderSize) / 2 / recordSize) {
        refuse(std::string(table.name) + " table of " +
               runtime::countText(std::ssize(records), "record", "records") +
               " is too large for the header");
    }
    header.*table.count = static_cast<std::int32_t>(records.size());
    header.*table.offset = at;
    header.*table.dataLength = static_cast<std::int32_t>(records.size() * recordSize);
    header.*table.width = static_cast<std::uint8_t>(table.pixelWidth);
}

template <typename Record>
void appendRecords(std::vector<std::uint8_t>& out, std::span<const Record> records) {
    const std::size_t stride = glyphTable(Record::kTable).withUnicode.size();
    for (const Record& record : records) {
        out.resize(out.size() + stride);
        encodeRecord(record, stride, std::span(out).last(stride));
    }
}

// The lead bytes of the language's code page; none when it has no code page known here.
std::bitset<256> languageLeadBytes(std::int32_t languageId) {
    std::bitset<256> leadBytes;
    if (const auto codePage = openLanguageCodePage(languageId)) {
        for (unsigned byte = 0; byte < leadBytes.size(); ++byte) {
            leadBytes[byte] = codePage->isLeadByte(static_cast<std::uint8_t>(byte));
        }
    }
    return leadBytes;
}

}  // namespace

std::vector<std::uint8_t> writeBootFont(const BootFontContents& contents) {
    const std::span<const SbcsGlyphRecord> sbcs = contents.sbcs;
    const std::span<const DbcsGlyphRecord> dbcs = contents.dbcs;
    requireAscending(sbcs);
    requireAscending(dbcs);
    const auto needed = leadRangesOf(dbcs);
    const auto ranges =
        needed.size() > kMaxDbcsRange
            ? joinLeadRanges(needed, languageLeadBytes(contents.languageId), kMaxDbcsRange)
            : needed;
    if (ranges.size() > kMaxDbcsRange) {
        refuse("the double-byte codes need " + runtime::decimalText(std::ssize(needed)) +
               " lead-byte ranges (" + leadRangesText(needed) + "); the header holds at most " +
               runtime::decimalText(kMaxDbcsRange));
    }

    BootFontHeader h;
    h.Signature = kBootFontSignature;
    h.LanguageId = contents.languageId;
    declareTable(h, sbcs, static_cast<std::int32_t>(kHeaderSize));
    declareTable(h, dbcs, h.SbcsOffset + h.SbcsEntriesTotalSize);
    for (std::size_t r = 0; r < ranges.size(); ++r) {
        h.DbcsLeadTable[2 * r] = ranges[r].first;
        h.DbcsLeadTable[2 * r + 1] = ranges[r].last;
    }
    h.CharacterImageHeight = static_cast<std::uint8_t>(kGlyphRows);
    h.CharacterTopPad = contents.topPad;
    h.CharacterBottomPad = contents.bottomPad;

    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(h.DbcsOffset + h.DbcsEntriesTotalSize));
    const auto header = encodeHeader(h);
    out.assign(header.begin(), header.end());
    appendRecords(out, sbcs);
    appendRecords(out, dbcs);
    return out;
}

}  // namespace bootfont
