#include "support/bootfontbuilder.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <stdexcept>

namespace testsupport {
namespace {

class ByteImage {
public:
    void put(std::size_t offset, const std::uint8_t* data, std::size_t size) {
        if (bytes.size() < offset + size) {
            bytes.resize(offset + size);
        }
        std::copy_n(data, size, bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    template <std::size_t N>
    void put(std::size_t offset, const std::array<std::uint8_t, N>& data) {
        put(offset, data.data(), N);
    }
    void putI32(std::size_t offset, std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        const std::array<std::uint8_t, 4> le{
            static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
        put(offset, le);
    }
    void putU8(std::size_t offset, std::uint8_t value) { put(offset, &value, 1); }

    std::vector<std::uint8_t> bytes;
};

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
    ByteImage image;
    const auto& h = header_;
    image.putI32(0x00, h.Signature);
    image.putI32(0x04, h.LanguageId);
    image.putI32(0x08, h.NumSbcsChars);
    image.putI32(0x0C, h.NumDbcsChars);
    image.putI32(0x10, h.SbcsOffset);
    image.putI32(0x14, h.DbcsOffset);
    image.putI32(0x18, h.SbcsEntriesTotalSize);
    image.putI32(0x1C, h.DbcsEntriesTotalSize);
    image.put(0x20, h.DbcsLeadTable);
    image.putU8(0x2C, h.CharacterImageHeight);
    image.putU8(0x2D, h.CharacterTopPad);
    image.putU8(0x2E, h.CharacterBottomPad);
    image.putU8(0x2F, h.CharacterImageSbcsWidth);
    image.putU8(0x30, h.CharacterImageDbcsWidth);

    auto at = static_cast<std::size_t>(h.SbcsOffset);
    for (const auto& record : sbcs_) {
        image.putU8(at, record.Code);
        image.put(at + 1, record.Bitmap);
        if (sbcsStride_ >= bootfont::kSbcsUnicodeRecordSize) {
            image.put(at + 17, record.Trailer);
        }
        at += sbcsStride_;
    }
    at = static_cast<std::size_t>(h.DbcsOffset);
    for (const auto& record : dbcs_) {
        image.put(at, record.Code);
        image.put(at + 2, record.Bitmap);
        if (dbcsStride_ >= bootfont::kDbcsUnicodeRecordSize) {
            image.put(at + 34, record.Trailer);
        }
        at += dbcsStride_;
    }
    for (const auto& [offset, bytes] : patches_) {
        image.put(offset, bytes.data(), bytes.size());
    }
    if (image.bytes.size() > truncateTo_) {
        image.bytes.resize(truncateTo_);
    }
    return image.bytes;
}

std::filesystem::path BootFontBuilder::writeTo(const std::filesystem::path& path) const {
    writeBytes(path, build());
    return path;
}

bootfont::SbcsGlyphRecord sbcsGlyph(std::uint32_t seed) {
    bootfont::SbcsGlyphRecord record;
    record.Code = static_cast<std::uint8_t>(seed);
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
