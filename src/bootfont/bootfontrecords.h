#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "bootfont/bytecursor.h"

// The in-memory records of BOOTFONT.BIN, the Windows XP boot font file: a 49-byte header, then a
// table of 17-byte single-byte (SBCS) glyph records and a table of 36-byte double-byte (DBCS)
// glyph records. All numbers are little-endian; the 32-bit fields are signed. Record sizes and the
// 16 rows of every glyph are fixed, whatever the header's size and metric fields say.
namespace bootfont {

inline constexpr std::int32_t kBootFontSignature = 0x5465644D;  // the bytes "MdeT" in file order
inline constexpr std::size_t kHeaderSize = 49;
inline constexpr std::size_t kSbcsRecordSize = 17;
inline constexpr std::size_t kDbcsRecordSize = 36;
inline constexpr std::size_t kGlyphRows = 16;
// Five lead-byte ranges of two bytes each and the terminating 00 00 pair.
inline constexpr std::size_t kMaxDbcsRange = 5;
inline constexpr std::size_t kDbcsLeadTableSize = (kMaxDbcsRange + 1) * 2;

struct BootFontHeader {
    std::int32_t Signature = 0;
    std::int32_t LanguageId = 0;
    std::int32_t NumSbcsChars = 0;
    std::int32_t NumDbcsChars = 0;
    std::int32_t SbcsOffset = 0;
    std::int32_t DbcsOffset = 0;
    std::int32_t SbcsEntriesTotalSize = 0;
    std::int32_t DbcsEntriesTotalSize = 0;
    std::array<std::uint8_t, kDbcsLeadTableSize> DbcsLeadTable{};
    std::uint8_t CharacterImageHeight = 0;
    std::uint8_t CharacterTopPad = 0;
    std::uint8_t CharacterBottomPad = 0;
    std::uint8_t CharacterImageSbcsWidth = 0;
    std::uint8_t CharacterImageDbcsWidth = 0;

    friend bool operator==(const BootFontHeader&, const BootFontHeader&) = default;
};

// One glyph of 8 x 16 pixels; Bitmap byte r is row r, most significant bit leftmost.
struct SbcsGlyphRecord {
    std::uint8_t Code = 0;
    std::array<std::uint8_t, kGlyphRows> Bitmap{};

    friend bool operator==(const SbcsGlyphRecord&, const SbcsGlyphRecord&) = default;
};

// One glyph of 16 x 16 pixels; Bitmap bytes 2r and 2r + 1 are row r, left half first. Code is kept
// in file order; Trailer is read with the record and used for nothing.
struct DbcsGlyphRecord {
    std::array<std::uint8_t, 2> Code{};
    std::array<std::uint8_t, 2 * kGlyphRows> Bitmap{};
    std::array<std::uint8_t, 2> Trailer{};

    friend bool operator==(const DbcsGlyphRecord&, const DbcsGlyphRecord&) = default;
};

// Decoders of exactly one record's bytes, field by field in file order; nothing is validated.
BootFontHeader decodeHeader(std::span<const std::uint8_t, kHeaderSize> bytes);

// Glyph records are decoded straight into their place in the table: a copy through a temporary
// costs more than the decoding itself, thousands of times per table.
inline void decodeSbcsRecord(std::span<const std::uint8_t, kSbcsRecordSize> bytes,
                             SbcsGlyphRecord& record) {
    ByteCursor in(bytes);
    record.Code = in.u8();
    in.copyTo(record.Bitmap);
}

inline void decodeDbcsRecord(std::span<const std::uint8_t, kDbcsRecordSize> bytes,
                             DbcsGlyphRecord& record) {
    ByteCursor in(bytes);
    in.copyTo(record.Code);
    in.copyTo(record.Bitmap);
    in.copyTo(record.Trailer);
}

}  // namespace bootfont
