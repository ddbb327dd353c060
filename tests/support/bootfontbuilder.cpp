#include "support/bootfontbuilder.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace testsupport {
namespace {

void put(std::vector<std::uint8_t>& image, std::size_t offset, std::span<const std::uint8_t> data) {
    if (image.size() < offset + data.size()) {
        image.resize(offset + data.size());
    }
    std::ranges::copy(data, image.begin() + static_cast<std::ptrdiff_t>(offset));
}

void putI32(std::vector<std::uint8_t>& image, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    const std::uint8_t le[] = {
        static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
        static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
    put(image, offset, le);
}

}  // namespace

BootFontBuilder::BootFontBuilder() {
    header_.Signature = bootfont::kBootFontSignature;
}

BootFontBuilder& BootFontBuilder::sbcsTable(std::int32_t offset,
                                            std::vector<bootfont::SbcsGlyphRecord> records) {
    header_.SbcsOffset = offset;
    header_.NumSbcsChars = static_cast<std::int32_t>(records.size());
    sbcs_ = std::move(records);
    return *this;
}

BootFontBuilder& BootFontBuilder::dbcsTable(std::int32_t offset,
                                            std::vector<bootfont::DbcsGlyphRecord> records) {
    header_.DbcsOffset = offset;
    header_.NumDbcsChars = static_cast<std::int32_t>(records.size());
    dbcs_ = std::move(records);
    return *this;
}

BootFontBuilder& BootFontBuilder::sbcsTable(std::int32_t offset,
                                            std::vector<bootfont::SbcsGlyphRecord> records,
                                            std::size_t stride) {
    sbcsTable(offset, std::move(records));
    sbcsStride_ = stride;
    header_.SbcsEntriesTotalSize = header_.NumSbcsChars * static_cast<std::int32_t>(stride);
    return *this;
}

BootFontBuilder& BootFontBuilder::dbcsTable(std::int32_t offset,
                                            std::vector<bootfont::DbcsGlyphRecord> records,
                                            std::size_t stride) {
    dbcsTable(offset, std::move(records));
    dbcsStride_ = stride;
    header_.DbcsEntriesTotalSize = header_.NumDbcsChars * static_cast<std::int32_t>(stride);
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
    const auto& h = header_;
    // The eight 32-bit fields from offset 0, the lead table at 0x20, the five metric bytes at 0x2C.
    const std::int32_t fields[] = {
        h.Signature,  h.LanguageId, h.NumSbcsChars,         h.NumDbcsChars,
        h.SbcsOffset, h.DbcsOffset, h.SbcsEntriesTotalSize, h.DbcsEntriesTotalSize};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        putI32(image, 4 * i, fields[i]);
    }
    put(image, 0x20, h.DbcsLeadTable);
    const std::uint8_t metrics[] = {h.CharacterImageHeight, h.CharacterTopPad, h.CharacterBottomPad,
                                    h.CharacterImageSbcsWidth, h.CharacterImageDbcsWidth};
    put(image, 0x2C, metrics);
    // Each record's Trailer follows its bitmap when the stride leaves room for it.
    for (std::size_t i = 0; i < sbcs_.size(); ++i) {
        const auto at = static_cast<std::size_t>(h.SbcsOffset) + sbcsStride_ * i;
        put(image, at, {&sbcs_[i].Code, 1});
        put(image, at + 1, sbcs_[i].Bitmap);
        if (sbcsStride_ >= 19) {
            put(image, at + 17, sbcs_[i].Trailer);
        }
    }
    for (std::size_t i = 0; i < dbcs_.size(); ++i) {
        const auto at = static_cast<std::size_t>(h.DbcsOffset) + dbcsStride_ * i;
        put(image, at, dbcs_[i].Code);
        put(image, at + 2, dbcs_[i].Bitmap);
        if (dbcsStride_ >= 36) {
            put(image, at + 34, dbcs_[i].Trailer);
        }
    }
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

bootfont::SbcsGlyphRecord sbcsGlyph(std::uint32_t seed) {
    bootfont::SbcsGlyphRecord record{static_cast<std::uint8_t>(seed)};
    for (std::size_t i = 0; i < record.Bitmap.size(); ++i) {
        record.Bitmap[i] = static_cast<std::uint8_t>(seed * 7 + i + 1);
    }
    return record;
}

bootfont::DbcsGlyphRecord dbcsGlyph(std::uint32_t seed) {
    bootfont::DbcsGlyphRecord record;
    record.Code = {static_cast<std::uint8_t>(seed >> 8), static_cast<std::uint8_t>(seed)};
    for (std::size_t i = 0; i < record.Bitmap.size(); ++i) {
        record.Bitmap[i] = static_cast<std::uint8_t>(seed * 13 + i + 1);
    }
    record.Trailer = {static_cast<std::uint8_t>(seed + 3), static_cast<std::uint8_t>(seed >> 4)};
    return record;
}

std::vector<bootfont::SbcsGlyphRecord> sbcsGlyphs(std::uint32_t count, std::uint32_t firstSeed) {
    std::vector<bootfont::SbcsGlyphRecord> records;
    for (std::uint32_t i = 0; i < count; ++i) {
        records.push_back(sbcsGlyph(firstSeed + i));
    }
    return records;
}

std::vector<bootfont::DbcsGlyphRecord> dbcsGlyphs(std::uint32_t count, std::uint32_t firstSeed) {
    std::vector<bootfont::DbcsGlyphRecord> records;
    for (std::uint32_t i = 0; i < count; ++i) {
        records.push_back(dbcsGlyph(firstSeed + i));
    }
    return records;
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
