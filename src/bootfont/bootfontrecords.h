#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "bootfont/bytecursor.h"

// The in-memory records of BOOTFONT.BIN, the Windows XP boot font file: a 49-byte header, then a
// table of single-byte (SBCS) glyph records and a table of double-byte (DBCS) glyph records. All
// numbers are little-endian; the 32-bit fields are signed. Every glyph has 16 rows, whatever the
// header's metric fields say.
//
// A record is the character code, the bitmap and, in files made for Windows XP, the glyph's
// Unicode value as a 16-bit number: 19 bytes for a single-byte glyph, 36 for a double-byte one.
// Some files have 17-byte single-byte records without it. The header's data length of a table
// tells how far apart its records are (recordStride); without a usable one they are 17 and 36.
namespace bootfont {

inline constexpr std::int32_t kBootFontSignature = 0x5465644D;  // the bytes "MdeT" in file order
inline constexpr std::size_t kHeaderSize = 49;
// The bytes read from the start of each record; records may lie further apart (recordStride).
inline constexpr std::size_t kSbcsRecordSize = 17;
inline constexpr std::size_t kDbcsRecordSize = 36;
// The smallest records that carry the Unicode value after the bitmap.
inline constexpr std::size_t kSbcsUnicodeRecordSize = 19;
inline constexpr std::size_t kDbcsUnicodeRecordSize = 36;
// The strides a table's data length may declare. The lower bounds hold a code and a bitmap; the
// upper ones leave room for fields of later files while refusing a length that is plainly not a
// record layout.
inline constexpr std::size_t kMinSbcsStride = 17;
inline constexpr std::size_t kMaxSbcsStride = 64;
inline constexpr std::size_t kMinDbcsStride = 34;
inline constexpr std::size_t kMaxDbcsStride = 128;
// Every record's bitmap: 16 rows, 8 pixels wide (one byte a row) in the single-byte table and 16
// (two bytes) in the double-byte table, whatever the header's metric fields say. As in the VGA
// text fonts and Unifont, the lowest two rows hang below the baseline.
inline constexpr std::size_t kGlyphRows = 16;
inline constexpr int kSbcsGlyphWidth = 8;
inline constexpr int kDbcsGlyphWidth = 16;
inline constexpr int kRowsBelowBaseline = 2;
// The viewer indexes a table with a signed 16-bit number, so it shows at most this many glyphs.
inline constexpr std::int32_t kViewerTableLimit = 32767;
// Five lead-byte ranges of two bytes each and the terminating 00 00 pair; the boot loader reads
// no more than five.
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

// The two bytes after a bitmap as the little-endian number they store, and back.
inline constexpr std::uint16_t littleEndian16(const std::array<std::uint8_t, 2>& bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}
inline constexpr std::array<std::uint8_t, 2> littleEndianBytes(std::uint16_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
}

// A code's bytes (one, or lead and trail) as one number: lead << 8 | trail.
inline constexpr std::uint16_t codeNumber(std::span<const std::uint8_t> bytes) {
    return bytes.size() == 2 ? static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1])
                             : (bytes.empty() ? std::uint16_t{0} : bytes[0]);
}

// Whether a table with this count and offset is there at all: both at least 1. The viewer neither
// reads nor draws a table that is not, and the checks and the command treat it the same way.
inline constexpr bool tablePresent(std::int32_t count, std::int32_t offset) {
    return count >= 1 && offset >= 1;
}

// One glyph of 8 x 16 pixels; Bitmap byte r is row r, most significant bit leftmost. Trailer holds
// the two bytes after the bitmap in records of 19 bytes and more, and stays zero in 17-byte ones.
struct SbcsGlyphRecord {
    std::uint8_t Code = 0;
    std::array<std::uint8_t, kGlyphRows> Bitmap{};
    std::array<std::uint8_t, 2> Trailer{};

    static constexpr int kWidth = kSbcsGlyphWidth;

    // The code as a number.
    std::uint16_t code() const { return Code; }
    // The code's bytes as a boot screen's text stores them: one byte.
    std::span<const std::uint8_t> codeBytes() const { return {&Code, 1}; }
    // The glyph's Unicode value as the record stores it; 0 when it stores none.
    std::uint16_t unicode() const { return littleEndian16(Trailer); }
    void setUnicode(std::uint16_t value) { Trailer = littleEndianBytes(value); }

    friend bool operator==(const SbcsGlyphRecord&, const SbcsGlyphRecord&) = default;
};

// One glyph of 16 x 16 pixels; Bitmap bytes 2r and 2r + 1 are row r, left half first. Code is kept
// in file order, lead byte first. Trailer holds the two bytes after the bitmap in records of 36
// bytes and more, and stays zero in records less than 36 bytes apart (the bytes there belong to
// the next record).
struct DbcsGlyphRecord {
    std::array<std::uint8_t, 2> Code{};
    std::array<std::uint8_t, 2 * kGlyphRows> Bitmap{};
    std::array<std::uint8_t, 2> Trailer{};

    static constexpr int kWidth = kDbcsGlyphWidth;

    // The code as one number, lead byte << 8 | trail byte (0xD6D0 for the bytes D6 D0), and back.
    std::uint16_t code() const { return codeNumber(Code); }
    void setCode(std::uint16_t value) {
        Code = {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
    }
    std::span<const std::uint8_t> codeBytes() const { return Code; }
    // The glyph's Unicode value as the record stores it; 0 when it stores none.
    std::uint16_t unicode() const { return littleEndian16(Trailer); }
    void setUnicode(std::uint16_t value) { Trailer = littleEndianBytes(value); }

    friend bool operator==(const DbcsGlyphRecord&, const DbcsGlyphRecord&) = default;
};

enum class GlyphTable { Sbcs, Dbcs };

// The hex digits a table's codes are written with: 2 for single bytes, 4 for lead and trail.
constexpr int codeDigits(GlyphTable table) {
    return table == GlyphTable::Sbcs ? 2 : 4;
}

// The distance in bytes between the starts of two records of a table of `count` records whose
// header gives `dataLength`: the length divided by the count when that is a whole number from
// kMinSbcsStride to kMaxSbcsStride (kMinDbcsStride to kMaxDbcsStride), otherwise the fixed 17 or
// 36. Real files declare 19-byte single-byte records this way.
std::size_t recordStride(GlyphTable table, std::int32_t count, std::int32_t dataLength);

// Whether records `stride` bytes apart carry the glyph's Unicode value after the bitmap.
constexpr bool recordCarriesUnicode(GlyphTable table, std::size_t stride) {
    return stride >= (table == GlyphTable::Sbcs ? kSbcsUnicodeRecordSize : kDbcsUnicodeRecordSize);
}

// Decoders of exactly one record's bytes, field by field in file order; nothing is validated.
// The bytes a record `stride` bytes apart from the next holds of its own fields: code and bitmap,
// and the Unicode value where the stride has room for it.
constexpr std::size_t recordReadSize(GlyphTable table, std::size_t stride) {
    if (table == GlyphTable::Dbcs) {
        return kDbcsRecordSize;
    }
    return recordCarriesUnicode(table, stride) ? kSbcsUnicodeRecordSize : kSbcsRecordSize;
}

// Decode one record's recordReadSize() bytes field by field, in file order, straight into its
// place in the table (a copy through a temporary costs more than the decoding, thousands of times
// per table); nothing is validated. A Trailer the stride has no room for is zero: those bytes
// belong to the next record.
inline void decodeRecord(std::span<const std::uint8_t> bytes, std::size_t stride,
                         SbcsGlyphRecord& record) {
    ByteCursor in(bytes);
    record.Code = in.u8();
    in.copyTo(record.Bitmap);
    if (recordCarriesUnicode(GlyphTable::Sbcs, stride)) {
        in.copyTo(record.Trailer);
    } else {
        record.Trailer = {};
    }
}

inline void decodeRecord(std::span<const std::uint8_t> bytes, std::size_t stride,
                         DbcsGlyphRecord& record) {
    ByteCursor in(bytes);
    in.copyTo(record.Code);
    in.copyTo(record.Bitmap);
    in.copyTo(record.Trailer);
    if (!recordCarriesUnicode(GlyphTable::Dbcs, stride)) {
        record.Trailer = {};
    }
}

}  // namespace bootfont
