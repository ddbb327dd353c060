#include "bootfont/bootfontwriter.h"

#include <limits>
#include <string>

#include "bootfont/headerfields.h"
#include "bootfont/leadranges.h"
#include "runtime/numbertext.h"
#include "runtime/runtimeerror.h"

namespace bootfont {
namespace {

[[noreturn]] void refuse(const std::string& reason) {
    runtime::raise(runtime::ErrorNumber::InvalidProcedureCall, reason);
}

template <typename Record>
void requireAscending(std::span<const Record> records, GlyphTable table, const char* name) {
    for (std::size_t i = 1; i < records.size(); ++i) {
        const std::uint16_t code = records[i].code();
        const std::uint16_t previous = records[i - 1].code();
        if (code <= previous) {
            refuse(std::string(name) + " code " + runtime::hexCode(code, codeDigits(table)) +
                   (code == previous ? " repeats" : " is out of order"));
        }
    }
}

std::int32_t tableLength(std::size_t count, std::size_t recordSize, const char* table) {
    constexpr auto kLimit = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    if (count > (kLimit - kHeaderSize) / 2 / recordSize) {
        refuse(std::string(table) + " table of " +
               runtime::countText(static_cast<std::int64_t>(count), "record", "records") +
               " is too large for the header");
    }
    return static_cast<std::int32_t>(count * recordSize);
}

template <std::size_t N>
void append(std::vector<std::uint8_t>& out, const std::array<std::uint8_t, N>& bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

}  // namespace

std::vector<std::uint8_t> writeBootFont(const BootFontContents& contents) {
    const std::span<const SbcsGlyphRecord> sbcs = contents.sbcs;
    const std::span<const DbcsGlyphRecord> dbcs = contents.dbcs;
    requireAscending(sbcs, GlyphTable::Sbcs, "single-byte");
    requireAscending(dbcs, GlyphTable::Dbcs, "double-byte");
    const auto ranges = leadRangesOf(dbcs);
    if (ranges.size() > kMaxDbcsRange) {
        refuse("the double-byte codes need " + runtime::decimalText(std::ssize(ranges)) +
               " lead-byte ranges (" + leadRangesText(ranges) + "); the header holds at most " +
               runtime::decimalText(kMaxDbcsRange));
    }

    BootFontHeader h;
    h.Signature = kBootFontSignature;
    h.LanguageId = contents.languageId;
    h.NumSbcsChars = static_cast<std::int32_t>(sbcs.size());
    h.NumDbcsChars = static_cast<std::int32_t>(dbcs.size());
    h.SbcsEntriesTotalSize = tableLength(sbcs.size(), kSbcsUnicodeRecordSize, "single-byte");
    h.DbcsEntriesTotalSize = tableLength(dbcs.size(), kDbcsUnicodeRecordSize, "double-byte");
    h.SbcsOffset = static_cast<std::int32_t>(kHeaderSize);
    h.DbcsOffset = h.SbcsOffset + h.SbcsEntriesTotalSize;
    for (std::size_t r = 0; r < ranges.size(); ++r) {
        h.DbcsLeadTable[2 * r] = ranges[r].first;
        h.DbcsLeadTable[2 * r + 1] = ranges[r].last;
    }
    h.CharacterImageHeight = static_cast<std::uint8_t>(kGlyphRows);
    h.CharacterTopPad = contents.topPad;
    h.CharacterBottomPad = contents.bottomPad;
    h.CharacterImageSbcsWidth = static_cast<std::uint8_t>(kSbcsGlyphWidth);
    h.CharacterImageDbcsWidth = static_cast<std::uint8_t>(kDbcsGlyphWidth);

    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(h.DbcsOffset + h.DbcsEntriesTotalSize));
    append(out, encodeHeader(h));
    for (const SbcsGlyphRecord& record : sbcs) {
        out.push_back(record.Code);
        append(out, record.Bitmap);
        append(out, record.Trailer);
    }
    for (const DbcsGlyphRecord& record : dbcs) {
        append(out, record.Code);
        append(out, record.Bitmap);
        append(out, record.Trailer);
    }
    return out;
}

}  // namespace bootfont
