#include "support/bootfontbuilder.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "bootfont/glyphtables.h"
#include "bootfont/headerfields.h"

namespace testsupport {
namespace {

void put(std::vector<std::uint8_t>& image, std::size_t offset, std::span<const std::uint8_t> data) {
    image.resize(std::max(image.size(), offset + data.size()));
    std::ranges::copy(data, image.begin() + static_cast<std::ptrdiff_t>(offset));
}

// Places the records `stride` bytes apart as the library encodes them: code, bitmap, and the
// Trailer where there is room.
template <typename Record>
void putTable(std::vector<std::uint8_t>& image, std::int32_t offset,
              const std::vector<Record>& records, std::size_t stride) {
    const std::size_t size = bootfont::recordReadSize(Record::kTable, stride);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto at = static_cast<std::size_t>(offset) + stride * i;
        image.resize(std::max(image.size(), at + size));
        bootfont::encodeRecord(records[i], stride, std::span(image).subspan(at, size));
    }
}

// A table's count and offset in the header, and, given a stride, the data length that declares
// it; the stride its records are placed at.
template <typename Record>
std::size_t declare(bootfont::BootFontHeader& header, std::int32_t offset,
                    const std::vector<Record>& records, std::size_t stride) {
    const bootfont::GlyphTableDeclaration& table = bootfont::glyphTable(Record::kTable);
    header.*table.count = static_cast<std::int32_t>(records.size());
    header.*table.offset = offset;
    if (stride == 0) {
        return table.fixedStride();
    }
    header.*table.dataLength = header.*table.count * static_cast<std::int32_t>(stride);
    return stride;
}

template <typename Record>
std::vector<Record> glyphs(std::uint32_t count, std::uint32_t firstSeed,
                           Record (*glyph)(std::uint32_t)) {
    std::vector<Record> records;
    for (std::uint32_t i = 0; i < count; ++i) {
        records.push_back(glyph(firstSeed + i));
    }
    return records;
}

}  // namespace

BootFontBuilder::BootFontBuilder() {
    header_.Signature = bootfont::kBootFontSignature;
}

BootFontBuilder& BootFontBuilder::sbcsTable(std::int32_t offset,
                                            std::vector<bootfont::SbcsGlyphRecord> records,
                                            std::size_t stride) {
    sbcsStride_ = declare(header_, offset, records, stride);
    sbcs_ = std::move(records);
    return *this;
}

BootFontBuilder& BootFontBuilder::dbcsTable(std::int32_t offset,
                                            std::vector<bootfont::DbcsGlyphRecord> records,
                                            std::size_t stride) {
    dbcsStride_ = declare(header_, offset, records, stride);
    dbcs_ = std::move(records);
    return *this;
}

BootFontBuilder& BootFontBuilder::bytesAt(std::size_t offset,
                                          std::initializer_list<std::uint8_t> bytes) {
    patches_.emplace_back(offset, std::vector<std::uint8_t>(bytes));
    return *this;
}

BootFontBuilder& BootFontBuilder::truncateTo(std::size_t size) {
    truncateTo_ = size;
    return *this;
}

std::vector<std::uint8_t> BootFontBuilder::build() const {
    std::vector<std::uint8_t> image;
    put(image, 0, bootfont::encodeHeader(header_));
    putTable(image, header_.SbcsOffset, sbcs_, sbcsStride_);
    putTable(image, header_.DbcsOffset, dbcs_, dbcsStride_);
    for (const auto& [offset, bytes] : patches_) {
        put(image, offset, bytes);
    }
    image.resize(std::min(image.size(), truncateTo_));
    return image;
}

std::filesystem::path BootFontBuilder::writeTo(const std::filesystem::path& path) const {
    writeBytes(path, build());
    return path;
}

BootFontBuilder polishFont() {
    auto records = sbcsGlyphs(256);
    records[0x01].setUnicode(0x263A);
    records[0xA5].setUnicode(0x0105);
    records[0xB3].setUnicode(0x2502);
    BootFontBuilder font;
    font.header().LanguageId = 0x415;
    font.header().CharacterTopPad = 1;
    font.header().CharacterBottomPad = 2;
    font.standardMetrics().sbcsTable(52, records, 19).dbcsTable(52 + 256 * 19, {{}}, 36);
    return font;
}

bootfont::SbcsGlyphRecord sbcsGlyph(std::uint32_t seed) {
    bootfont::SbcsGlyphRecord record{static_cast<std::uint8_t>(seed)};
    for (std::size_t i = 0; i < record.Bitmap.size(); ++i) {
        record.Bitmap[i] = static_cast<std::uint8_t>(seed * 7 + i + 1);
    }
    return record;
}

bootfont::DbcsGlyphRecord dbcsGlyph(std::uint32_t seed) {
    bootfont::DbcsGlyphRecord record;
    record.setCode(static_cast<std::uint16_t>(seed));
    for (std::size_t i = 0; i < record.Bitmap.size(); ++i) {
        record.Bitmap[i] = static_cast<std::uint8_t>(seed * 13 + i + 1);
    }
    record.Trailer = {static_cast<std::uint8_t>(seed + 3), static_cast<std::uint8_t>(seed >> 4)};
    return record;
}

std::vector<bootfont::SbcsGlyphRecord> sbcsGlyphs(std::uint32_t count, std::uint32_t firstSeed) {
    return glyphs(count, firstSeed, sbcsGlyph);
}

std::vector<bootfont::DbcsGlyphRecord> dbcsGlyphs(std::uint32_t count, std::uint32_t firstSeed) {
    return glyphs(count, firstSeed, dbcsGlyph);
}

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write test file " + path.string());
    }
}

}  // namespace testsupport
