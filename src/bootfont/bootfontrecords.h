#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The in-memory records of BOOTFONT.BIN, the Windows XP boot font file: a 49-byte header, then a
// table of single-byte (SBCS) glyph records and a table of double-byte (DBCS) glyph records. All
// numbers are little-endian; the 32-bit fields are signed. Every glyph has 16 rows, whatever the
// header's metric fields say.
//
// A record is the character code, the bitmap and, in files made for Windows XP, the glyph's
// Unicode value as a 16-bit number: 19 bytes for a single-byte glyph, 36 for a double-byte one.
// Some files have 17-byte single-byte records without it. glyphtables.h declares the tables and
// their record layouts.
namespace bootfont {

inline constexpr std::int32_t kBootFontSignature = 0x5465644D;  // the bytes "MdeT" in file order
inline constexpr std::size_t kHeaderSize = 49;
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

// Codes as numbers: one byte, or a lead and a trail byte as lead << 8 | trail (0xD6D0 for the
// bytes D6 D0). Every join, split and lead byte of a code goes through these.
inline constexpr std::uint16_t doubleByteCode(std::uint8_t lead, std::uint8_t trail) {
    return static_cast<std::uint16_t>(lead << 8 | trail);
}
// A code's bytes (one, or lead and trail) as one number.
inline constexpr std::uint16_t codeNumber(std::span<const std::uint8_t> bytes) {
    return bytes.size() == 2 ? doubleByteCode(bytes[0], bytes[1])
                             : (bytes.empty() ? std::uint16_t{0} : bytes[0]);
}
inline constexpr std::uint8_t leadByte(std::uint16_t code) {
    return static_cast<std::uint8_t>(code >> 8);
}

// The bytes of a code of `width` bytes (1, or 2 for lead and trail) as a file stores them.
struct CodeBytes {
    std::array<std::uint8_t, 2> bytes{};
    std::size_t size = 0;

    std::span<const std::uint8_t> view() const { return {bytes.data(), size}; }
};
inline constexpr CodeBytes codeBytes(std::uint16_t code, std::size_t width) {
    return width == 2 ? CodeBytes{{leadByte(code), static_cast<std::uint8_t>(code)}, 2}
                      : CodeBytes{{static_cast<std::uint8_t>(code), 0}, 1};
}

// The hex digits of a code known only by its value (a code asked for): 4 past one byte, else 2.
inline constexpr int codeDigitsOf(std::uint32_t code) {
    return code > 0xFF ? 4 : 2;
}

// The one test of the signature that makes a file a boot font.
inline constexpr bool hasBootFontSignature(const BootFontHeader& header) {
    return header.Signature == kBootFontSignature;
}

// Whether a table with this count and offset is there at all: both at least 1. The viewer neither
// reads nor draws a table that is not, and the checks and the command treat it the same way.
inline constexpr bool tablePresent(std::int32_t count, std::int32_t offset) {
    return count >= 1 && offset >= 1;
}

// The two glyph tables; glyphtables.h declares what sets them apart.
enum class GlyphTable { Sbcs, Dbcs };

// One glyph of 8 x 16 pixels; Bitmap byte r is row r, most significant bit leftmost. Trailer holds
// the two bytes after the bitmap in records of 19 bytes and more, and stays zero in 17-byte ones.
struct SbcsGlyphRecord {
    std::uint8_t Code = 0;
    std::array<std::uint8_t, kGlyphRows> Bitmap{};
    std::array<std::uint8_t, 2> Trailer{};

    static constexpr int kWidth = kSbcsGlyphWidth;
    static constexpr GlyphTable kTable = GlyphTable::Sbcs;

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
    static constexpr GlyphTable kTable = GlyphTable::Dbcs;

    // The code as one number, lead byte << 8 | trail byte (0xD6D0 for the bytes D6 D0), and back.
    std::uint16_t code() const { return codeNumber(Code); }
    void setCode(std::uint16_t value) { Code = bootfont::codeBytes(value, Code.size()).bytes; }
    std::span<const std::uint8_t> codeBytes() const { return Code; }
    // The glyph's Unicode value as the record stores it; 0 when it stores none.
    std::uint16_t unicode() const { return littleEndian16(Trailer); }
    void setUnicode(std::uint16_t value) { Trailer = littleEndianBytes(value); }

    friend bool operator==(const DbcsGlyphRecord&, const DbcsGlyphRecord&) = default;
};

}  // namespace bootfont
