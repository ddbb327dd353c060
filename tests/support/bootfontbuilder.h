#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <utility>
#include <vector>

#include "bootfont/bootfontrecords.h"

namespace testsupport {

// Builds boot font file bytes for tests: the header as the library encodes it, each table's
// records at the offset the header names, then any raw patches, byte by byte. The file is as long
// as the furthest byte written, so a test states exactly the file it needs.
class BootFontBuilder {
public:
    BootFontBuilder();  // a header with the right signature and everything else zero

    bootfont::BootFontHeader& header() { return header_; }
    // Glyphs of 16 rows, 8 pixels wide in the single-byte table and 16 in the double-byte one.
    BootFontBuilder& standardMetrics() {
        header_.CharacterImageHeight = header_.CharacterImageDbcsWidth = 16;
        header_.CharacterImageSbcsWidth = 8;
        return *this;
    }

    // Sets the table's count and offset in the header and places its records there at the
    // table's fixed stride (17 or 36 bytes); or, given a `stride`, that far apart with the data
    // length that declares it (count × stride), each record's Trailer after its bitmap when the
    // stride leaves room.
    BootFontBuilder& sbcsTable(std::int32_t offset, std::vector<bootfont::SbcsGlyphRecord> records,
                               std::size_t stride = 0);
    BootFontBuilder& dbcsTable(std::int32_t offset, std::vector<bootfont::DbcsGlyphRecord> records,
                               std::size_t stride = 0);

    // Raw bytes written over everything else, e.g. to cut a record or break the signature.
    BootFontBuilder& bytesAt(std::size_t offset, std::initializer_list<std::uint8_t> bytes);
    // The file ends after `size` bytes, whatever was placed beyond.
    BootFontBuilder& truncateTo(std::size_t size);

    std::vector<std::uint8_t> build() const;
    std::filesystem::path writeTo(const std::filesystem::path& path) const;

private:
    bootfont::BootFontHeader header_;
    std::vector<bootfont::SbcsGlyphRecord> sbcs_;
    std::vector<bootfont::DbcsGlyphRecord> dbcs_;
    std::size_t sbcsStride_ = 0;  // set with the table
    std::size_t dbcsStride_ = 0;
    std::vector<std::pair<std::size_t, std::vector<std::uint8_t>>> patches_;
    std::size_t truncateTo_ = SIZE_MAX;
};

// A font made for a Polish system, as Windows XP has them: 256 single-byte records of 19 bytes at
// offset 52, a few carrying their characters (A5 ą and B3 │ of code page 852, and 01 ☺ of the text
// screen), height 16, top pad 1, bottom pad 2; then the double-byte placeholder: one all-zero
// record, and no lead ranges.
BootFontBuilder polishFont();

// Glyphs whose every byte derives from `seed`, so two glyphs with different seeds differ in
// code, bitmap and trailer.
bootfont::SbcsGlyphRecord sbcsGlyph(std::uint32_t seed);
bootfont::DbcsGlyphRecord dbcsGlyph(std::uint32_t seed);
std::vector<bootfont::SbcsGlyphRecord> sbcsGlyphs(std::uint32_t count, std::uint32_t firstSeed = 0);
std::vector<bootfont::DbcsGlyphRecord> dbcsGlyphs(std::uint32_t count, std::uint32_t firstSeed = 0);

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace testsupport
