#include "bootfont/bootfontwriter.h"

#include <cstdio>
#include <limits>
#include <string>

#include "runtime/runtimeerror.h"

namespace bootfont {
namespace {

constexpr std::uint8_t kSbcsWidth = 8;
constexpr std::uint8_t kDbcsWidth = 16;

[[noreturn]] void refuse(const std::string& reason) {
    runtime::raise(runtime::ErrorNumber::InvalidProcedureCall, reason);
}

// "0xA1", "0xA1A1": `digits` upper-case hex digits.
std::string hexCode(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

// Appends little-endian fields one after another, the writing twin of ByteCursor.
class ByteWriter {
public:
    explicit ByteWriter(std::size_t capacity) { bytes_.reserve(capacity); }

    void u8(std::uint8_t value) { bytes_.push_back(value); }
    void i32le(std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) {
            u8(static_cast<std::uint8_t>(bits >> shift));
        }
    }
    template <std::size_t N>
    void bytes(const std::array<std::uint8_t, N>& values) {
        bytes_.insert(bytes_.end(), values.begin(), values.end());
    }

    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

template <typename Record, typename Key>
void requireAscending(std::span<const Record> records, Key key, int digits, const char* table) {
    for (std::size_t i = 1; i < records.size(); ++i) {
        if (key(records[i]) <= key(records[i - 1])) {
            refuse(std::string(table) + " code " + hexCode(key(records[i]), digits) +
                   (key(records[i]) == key(records[i - 1]) ? " repeats" : " is out of order"));
        }
    }
}

std::int32_t tableLength(std::size_t count, std::size_t recordSize, const char* table) {
    constexpr auto kLimit = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    if (count > (kLimit - kHeaderSize) / 2 / recordSize) {
        refuse(std::string(table) + " table of " + std::to_string(count) +
               " records is too large for the header");
    }
    return static_cast<std::int32_t>(count * recordSize);
}

}  // namespace

std::vector<std::pair<std::uint8_t, std::uint8_t>> leadRangesOf(
    std::span<const DbcsGlyphRecord> dbcs) {
    std::vector<std::pair<std::uint8_t, std::uint8_t>> ranges;
    for (const DbcsGlyphRecord& record : dbcs) {
        const std::uint8_t lead = record.Code[0];
        if (!ranges.empty() && (lead == ranges.back().second || lead == ranges.back().second + 1)) {
            ranges.back().second = lead;
        } else {
            ranges.emplace_back(lead, lead);
        }
    }
    return ranges;
}

std::vector<std::uint8_t> writeBootFont(const BootFontContents& contents) {
    const std::span<const SbcsGlyphRecord> sbcs = contents.sbcs;
    const std::span<const DbcsGlyphRecord> dbcs = contents.dbcs;
    requireAscending(
        sbcs, [](const SbcsGlyphRecord& r) { return unsigned{r.Code}; }, 2, "single-byte");
    requireAscending(
        dbcs, [](const DbcsGlyphRecord& r) { return unsigned(r.Code[0] << 8 | r.Code[1]); }, 4,
        "double-byte");
    const auto ranges = leadRangesOf(dbcs);
    if (ranges.size() > kMaxLeadRanges) {
        std::string list;
        for (const auto& [first, last] : ranges) {
            list += (list.empty() ? "" : ", ") + hexCode(first, 2) +
                    (first == last ? "" : "-" + hexCode(last, 2));
        }
        refuse("the double-byte codes have " + std::to_string(ranges.size()) +
               " lead-byte ranges (" + list + "); the header holds at most " +
               std::to_string(kMaxLeadRanges));
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
        h.DbcsLeadTable[2 * r + 1] = ranges[r].second;
    }
    h.CharacterImageHeight = static_cast<std::uint8_t>(kGlyphRows);
    h.CharacterTopPad = contents.topPad;
    h.CharacterBottomPad = contents.bottomPad;
    h.CharacterImageSbcsWidth = kSbcsWidth;
    h.CharacterImageDbcsWidth = kDbcsWidth;

    ByteWriter out(static_cast<std::size_t>(h.DbcsOffset + h.DbcsEntriesTotalSize));
    for (const std::int32_t field :
         {h.Signature, h.LanguageId, h.NumSbcsChars, h.NumDbcsChars, h.SbcsOffset, h.DbcsOffset,
          h.SbcsEntriesTotalSize, h.DbcsEntriesTotalSize}) {
        out.i32le(field);
    }
    out.bytes(h.DbcsLeadTable);
    for (const std::uint8_t field :
         {h.CharacterImageHeight, h.CharacterTopPad, h.CharacterBottomPad,
          h.CharacterImageSbcsWidth, h.CharacterImageDbcsWidth}) {
        out.u8(field);
    }
    for (const SbcsGlyphRecord& record : sbcs) {
        out.u8(record.Code);
        out.bytes(record.Bitmap);
        out.bytes(record.Trailer);
    }
    for (const DbcsGlyphRecord& record : dbcs) {
        out.bytes(record.Code);
        out.bytes(record.Bitmap);
        out.bytes(record.Trailer);
    }
    return out.take();
}

}  // namespace bootfont
