#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "bootfont/bootfontrecords.h"

// The header of a boot font, declared once: each field's name, place, width and signedness, and
// the member that holds it. Reading, writing, the command's dump and the window's header boxes
// walk this table, and the checks name the offsets of its fields from it.
namespace bootfont {

using LeadTable = std::array<std::uint8_t, kDbcsLeadTableSize>;

// How people read a field's value (valuetext.h writes it): a number, the signature and the
// language with what they mean, the lead-byte table as its bytes and the ranges they declare.
enum class FieldDisplay { Decimal, Signature, Language, LeadBytes };

struct HeaderField {
    std::string_view name;  // as the format names it: "NumSbcsChars"
    std::size_t offset;     // from the start of the file
    std::size_t width;      // in bytes
    bool isSigned;
    std::variant<std::int32_t BootFontHeader::*, LeadTable BootFontHeader::*,
                 std::uint8_t BootFontHeader::*>
        member;
    FieldDisplay display = FieldDisplay::Decimal;
};

// clang-format off
inline constexpr std::array<HeaderField, 14> kHeaderFields{{
    {"Signature",               0x00, 4,  true,  &BootFontHeader::Signature, FieldDisplay::Signature},
    {"LanguageId",              0x04, 4,  true,  &BootFontHeader::LanguageId, FieldDisplay::Language},
    {"NumSbcsChars",            0x08, 4,  true,  &BootFontHeader::NumSbcsChars},
    {"NumDbcsChars",            0x0C, 4,  true,  &BootFontHeader::NumDbcsChars},
    {"SbcsOffset",              0x10, 4,  true,  &BootFontHeader::SbcsOffset},
    {"DbcsOffset",              0x14, 4,  true,  &BootFontHeader::DbcsOffset},
    {"SbcsEntriesTotalSize",    0x18, 4,  true,  &BootFontHeader::SbcsEntriesTotalSize},
    {"DbcsEntriesTotalSize",    0x1C, 4,  true,  &BootFontHeader::DbcsEntriesTotalSize},
    {"DbcsLeadTable",           0x20, 12, false, &BootFontHeader::DbcsLeadTable, FieldDisplay::LeadBytes},
    {"CharacterImageHeight",    0x2C, 1,  false, &BootFontHeader::CharacterImageHeight},
    {"CharacterTopPad",         0x2D, 1,  false, &BootFontHeader::CharacterTopPad},
    {"CharacterBottomPad",      0x2E, 1,  false, &BootFontHeader::CharacterBottomPad},
    {"CharacterImageSbcsWidth", 0x2F, 1,  false, &BootFontHeader::CharacterImageSbcsWidth},
    {"CharacterImageDbcsWidth", 0x30, 1,  false, &BootFontHeader::CharacterImageDbcsWidth},
}};
// clang-format on

// The fields follow each other without gaps and fill the header exactly.
static_assert([] {
    std::size_t next = 0;
    for (const HeaderField& field : kHeaderFields) {
        if (field.offset != next) {
            return false;
        }
        next += field.width;
    }
    return next == kHeaderSize;
}());

// Whether `field` is the one held in `member`.
template <typename T>
constexpr bool isField(const HeaderField& field, T BootFontHeader::*member) {
    const auto* held = std::get_if<T BootFontHeader::*>(&field.member);
    return held && *held == member;
}

// The file offset of the field held in `member`.
template <typename T>
constexpr std::size_t fieldOffset(T BootFontHeader::*member) {
    for (const HeaderField& field : kHeaderFields) {
        if (isField(field, member)) {
            return field.offset;
        }
    }
    throw "not a header field";  // fails the constant evaluation
}

// The value of a numeric field (every field but the lead table) as a number.
std::int64_t fieldNumber(const BootFontHeader& header, const HeaderField& field);

// Decodes exactly the header's bytes field by field; nothing is validated.
BootFontHeader decodeHeader(std::span<const std::uint8_t, kHeaderSize> bytes);
// The header's bytes as a file stores them.
std::array<std::uint8_t, kHeaderSize> encodeHeader(const BootFontHeader& header);

// Whether a file that starts with `bytes` (as many as it has, up to the header's) is a boot font.
bool hasBootFontSignature(std::span<const std::uint8_t> bytes);

}  // namespace bootfont
