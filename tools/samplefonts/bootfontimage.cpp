#include "samplefonts/bootfontimage.h"

#include <stdexcept>
#include <string>

namespace samplefonts {
namespace {

constexpr std::uint8_t kGlyphHeight = 16;
constexpr std::uint8_t kSbcsWidth = 8;
constexpr std::uint8_t kDbcsWidth = 16;

std::int32_t tableSize(std::size_t count, std::size_t recordSize, const char* table) {
    if (count > kMaxTableRecords) {
        throw std::length_error(std::string(table) + " table of " + std::to_string(count) +
                                " records; the viewer reads at most " +
                                std::to_string(kMaxTableRecords));
    }
    return static_cast<std::int32_t>(count * recordSize);
}

// Appends little-endian fields one after another, the writing twin of the reader's ByteCursor.
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

bootfont::BootFontHeader sampleHeader(std::int32_t languageId,
                                      std::span<const ByteRange> leadRanges, std::size_t sbcsCount,
                                      std::size_t dbcsCount) {
    bootfont::BootFontHeader header;
    if (leadRanges.size() > bootfont::kMaxDbcsRange) {
        throw std::length_error(std::to_string(leadRanges.size()) +
                                " lead-byte ranges; the header has room for " +
                                std::to_string(bootfont::kMaxDbcsRange));
    }
    header.Signature = bootfont::kBootFontSignature;
    header.LanguageId = languageId;
    header.SbcsEntriesTotalSize = tableSize(sbcsCount, bootfont::kSbcsRecordSize, "SBCS");
    header.DbcsEntriesTotalSize = tableSize(dbcsCount, bootfont::kDbcsRecordSize, "DBCS");
    header.NumSbcsChars = static_cast<std::int32_t>(sbcsCount);
    header.NumDbcsChars = static_cast<std::int32_t>(dbcsCount);
    header.SbcsOffset = static_cast<std::int32_t>(bootfont::kHeaderSize);
    header.DbcsOffset = header.SbcsOffset + header.SbcsEntriesTotalSize;
    std::size_t index = 0;
    for (const ByteRange range : leadRanges) {
        header.DbcsLeadTable[index++] = range.first;
        header.DbcsLeadTable[index++] = range.last;
    }
    header.CharacterImageHeight = kGlyphHeight;
    header.CharacterTopPad = 0;
    header.CharacterBottomPad = 0;
    header.CharacterImageSbcsWidth = kSbcsWidth;
    header.CharacterImageDbcsWidth = kDbcsWidth;
    return header;
}

}  // namespace

std::vector<std::uint8_t> encodeBootFont(std::int32_t languageId,
                                         std::span<const ByteRange> leadRanges,
                                         std::span<const bootfont::SbcsGlyphRecord> sbcs,
                                         std::span<const bootfont::DbcsGlyphRecord> dbcs) {
    const bootfont::BootFontHeader header =
        sampleHeader(languageId, leadRanges, sbcs.size(), dbcs.size());
    ByteWriter out(bootfont::kHeaderSize + sbcs.size() * bootfont::kSbcsRecordSize +
                   dbcs.size() * bootfont::kDbcsRecordSize);
    out.i32le(header.Signature);
    out.i32le(header.LanguageId);
    out.i32le(header.NumSbcsChars);
    out.i32le(header.NumDbcsChars);
    out.i32le(header.SbcsOffset);
    out.i32le(header.DbcsOffset);
    out.i32le(header.SbcsEntriesTotalSize);
    out.i32le(header.DbcsEntriesTotalSize);
    out.bytes(header.DbcsLeadTable);
    out.u8(header.CharacterImageHeight);
    out.u8(header.CharacterTopPad);
    out.u8(header.CharacterBottomPad);
    out.u8(header.CharacterImageSbcsWidth);
    out.u8(header.CharacterImageDbcsWidth);
    for (const auto& record : sbcs) {
        out.u8(record.Code);
        out.bytes(record.Bitmap);
    }
    for (const auto& record : dbcs) {
        out.bytes(record.Code);
        out.bytes(record.Bitmap);
        out.bytes(record.Trailer);
    }
    return out.take();
}

}  // namespace samplefonts
