#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "bootfont/bootfontrecords.h"
#include "bootfont/bytecursor.h"

// The two glyph tables of a boot font, declared once beside the header's fields: the header
// fields that place and size each table, its codes, its record layouts and its names. Reading,
// writing, the checks and every printer derive what sets the tables apart from here.
namespace bootfont {

// The fields of a record in file order: the code, the bitmap's rows and, in the larger layout, the
// glyph's Unicode value.
struct RecordLayout {
    std::size_t codeBytes = 0;
    std::size_t rowBytes = 0;
    std::size_t unicodeBytes = 0;  // 0 in the layout without it

    constexpr std::size_t size() const { return codeBytes + rowBytes + unicodeBytes; }
    constexpr bool carriesUnicode() const { return unicodeBytes != 0; }
};

// The layout of `Record`'s fields, with or without the Unicode value after the bitmap.
template <typename Record>
constexpr RecordLayout layoutOf(bool withUnicode) {
    return {sizeof(Record::Code), sizeof(Record::Bitmap),
            withUnicode ? sizeof(Record::Trailer) : 0};
}

struct GlyphTableDeclaration {
    GlyphTable table;
    std::string_view name;  // in sentences: "single-byte"
    std::string_view key;   // in finding ids and JSON: "sbcs"
    std::int32_t BootFontHeader::*count;
    std::int32_t BootFontHeader::*offset;
    std::int32_t BootFontHeader::*dataLength;
    std::uint8_t BootFontHeader::*width;  // the glyph width the header declares
    int pixelWidth;                       // of every bitmap, whatever the header says
    RecordLayout plain;                   // code and rows
    RecordLayout withUnicode;             // code, rows and the Unicode value
    // How far apart the records are when the data length declares no usable stride.
    bool fixedStrideCarriesUnicode;
    // The largest stride a data length may declare: room for fields of later files, while a
    // length that is plainly no record layout is refused.
    std::size_t maxStride;

    constexpr int codeDigits() const { return 2 * static_cast<int>(plain.codeBytes); }
    constexpr std::size_t minStride() const { return plain.size(); }
    constexpr std::size_t fixedStride() const {
        return (fixedStrideCarriesUnicode ? withUnicode : plain).size();
    }
    // The fields a record `stride` bytes from the next holds: the Unicode value where there is
    // room for it.
    constexpr RecordLayout layoutFor(std::size_t stride) const {
        return stride >= withUnicode.size() ? withUnicode : plain;
    }
    constexpr bool present(const BootFontHeader& header) const {
        return tablePresent(header.*count, header.*offset);
    }
};

// clang-format off
inline constexpr std::array<GlyphTableDeclaration, 2> kGlyphTables{{
    {GlyphTable::Sbcs, "single-byte", "sbcs", &BootFontHeader::NumSbcsChars,
     &BootFontHeader::SbcsOffset, &BootFontHeader::SbcsEntriesTotalSize,
     &BootFontHeader::CharacterImageSbcsWidth, SbcsGlyphRecord::kWidth,
     layoutOf<SbcsGlyphRecord>(false), layoutOf<SbcsGlyphRecord>(true), false, 64},
    {GlyphTable::Dbcs, "double-byte", "dbcs", &BootFontHeader::NumDbcsChars,
     &BootFontHeader::DbcsOffset, &BootFontHeader::DbcsEntriesTotalSize,
     &BootFontHeader::CharacterImageDbcsWidth, DbcsGlyphRecord::kWidth,
     layoutOf<DbcsGlyphRecord>(false), layoutOf<DbcsGlyphRecord>(true), true, 128},
}};
// clang-format on

constexpr const GlyphTableDeclaration& glyphTable(GlyphTable table) {
    return kGlyphTables[static_cast<std::size_t>(table)];
}

// The record sizes the format has: 17 and 19 bytes for single bytes, 34 and 36 for double bytes.
static_assert(glyphTable(GlyphTable::Sbcs).table == GlyphTable::Sbcs &&
              glyphTable(GlyphTable::Dbcs).table == GlyphTable::Dbcs);
static_assert(kGlyphTables[0].plain.size() == 17 && kGlyphTables[0].withUnicode.size() == 19);
static_assert(kGlyphTables[1].plain.size() == 34 && kGlyphTables[1].withUnicode.size() == 36);

// The table whose codes are `width` bytes long (1 or 2).
constexpr GlyphTable tableOfCodeWidth(std::size_t width) {
    return width == kGlyphTables[0].plain.codeBytes ? kGlyphTables[0].table : kGlyphTables[1].table;
}

// The hex digits a table's codes are written with: 2 for single bytes, 4 for lead and trail.
constexpr int codeDigits(GlyphTable table) {
    return glyphTable(table).codeDigits();
}

// The distance in bytes between the starts of two records of a table of `count` records whose
// header gives `dataLength`: the length divided by the count when that is a whole number from the
// table's minStride() to its maxStride, otherwise its fixedStride(). Real files declare 19-byte
// single-byte records this way.
std::size_t recordStride(GlyphTable table, std::int32_t count, std::int32_t dataLength);

// Whether records `stride` bytes apart carry the glyph's Unicode value after the bitmap.
constexpr bool recordCarriesUnicode(GlyphTable table, std::size_t stride) {
    return glyphTable(table).layoutFor(stride).carriesUnicode();
}

// The bytes a record `stride` bytes from the next holds of its own fields.
constexpr std::size_t recordReadSize(GlyphTable table, std::size_t stride) {
    return glyphTable(table).layoutFor(stride).size();
}

// Decodes one record's recordReadSize() bytes field by field, in file order, straight into its
// place in the table (a copy through a temporary costs more than the decoding, thousands of times
// per table); nothing is validated. A Trailer the stride has no room for is zero: those bytes
// belong to the next record.
template <typename Record>
void decodeRecord(std::span<const std::uint8_t> bytes, std::size_t stride, Record& record) {
    ByteCursor in(bytes);
    in.copyTo(record.Code);
    in.copyTo(record.Bitmap);
    if (recordCarriesUnicode(Record::kTable, stride)) {
        in.copyTo(record.Trailer);
    } else {
        record.Trailer = {};
    }
}

// Encodes one record as decodeRecord reads it: recordReadSize() bytes into the start of `out`.
template <typename Record>
void encodeRecord(const Record& record, std::size_t stride, std::span<std::uint8_t> out) {
    const RecordLayout layout = glyphTable(Record::kTable).layoutFor(stride);
    if (out.size() < layout.size()) {
        refuse("encodeRecord: no room for the record");
    }
    std::uint8_t* at = out.data();
    std::memcpy(at, &record.Code, layout.codeBytes);
    std::memcpy(at + layout.codeBytes, record.Bitmap.data(), layout.rowBytes);
    std::memcpy(at + layout.codeBytes + layout.rowBytes, record.Trailer.data(),
                layout.unicodeBytes);
}

}  // namespace bootfont
