#include "bootfont/valuetext.h"

#include "bootfont/languages.h"
#include "runtime/numbertext.h"

namespace bootfont {

using runtime::decimalText;
using runtime::hexCode;

std::string encodeUtf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    } else if (c < 0x10000) {
        out += {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
                static_cast<char>(0x80 | (c & 0x3F))};
    } else {
        out += {static_cast<char>(0xF0 | c >> 18), static_cast<char>(0x80 | (c >> 12 & 0x3F)),
                static_cast<char>(0x80 | (c >> 6 & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
    }
    return out;
}

bool isPrintable(char32_t c) {
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    const bool noncharacter = (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE;
    return !control && !surrogate && !noncharacter && c <= 0x10FFFF;
}

std::string characterText(char32_t c) {
    return runtime::codePointText(c) + (isPrintable(c) ? " " + encodeUtf8(c) : "");
}

std::string codeText(std::uint16_t code, GlyphTable table) {
    return hexCode(code, codeDigits(table));
}

std::string codeText(std::uint32_t code) {
    return hexCode(code, codeDigitsOf(code));
}

std::string leadTableText(const LeadTable& table) {
    std::string text;
    for (const std::uint8_t byte : table) {
        if (!text.empty()) {
            text += ' ';
        }
        runtime::appendHexByte(text, byte);
    }
    return text;
}

std::string windowLeadTableText(const LeadTable& table) {
    std::string text;
    for (const std::uint8_t byte : table) {
        text += ' ' + runtime::hexText(byte);
    }
    return text;
}

std::string leadRangeText(const LeadRange& range) {
    return hexCode(range.first, 2) + " to " + hexCode(range.last, 2);
}

std::string leadRangesText(std::span<const LeadRange> ranges) {
    std::string text;
    for (const LeadRange& range : ranges) {
        text += (text.empty() ? "" : ", ") + leadRangeText(range);
    }
    return text;
}

std::string fieldText(const BootFontHeader& header, const HeaderField& field) {
    const std::int64_t value = fieldNumber(header, field);
    switch (field.display) {
        case FieldDisplay::Signature:
        case FieldDisplay::Language:
            return hexCode(static_cast<std::uint32_t>(value));
        case FieldDisplay::LeadBytes:
            return leadTableText(header.DbcsLeadTable);
        case FieldDisplay::Decimal:
            break;
    }
    return decimalText(value);
}

std::string fieldDescription(const BootFontHeader& header, const HeaderField& field) {
    const std::int64_t value = fieldNumber(header, field);
    const auto bits = static_cast<std::uint32_t>(value);
    switch (field.display) {
        case FieldDisplay::Signature:
            return decimalText(value) + " " + hexCode(bits, 2 * static_cast<int>(field.width)) +
                   (hasBootFontSignature(header) ? " (MdeT)" : " (not a boot font)");
        case FieldDisplay::Language: {
            const auto name = languageName(header.LanguageId);
            const auto codePage = codePageForLanguage(header.LanguageId);
            return decimalText(value) + " " + hexCode(bits) + " " +
                   std::string(name.value_or("(unknown language)")) +
                   (codePage ? ", code page " + decimalText(*codePage) : "");
        }
        case FieldDisplay::LeadBytes: {
            const std::string ranges = leadRangesText(leadByteRanges(header));
            return leadTableText(header.DbcsLeadTable) +
                   (ranges.empty() ? "" : " (" + ranges + ")");
        }
        case FieldDisplay::Decimal:
            break;
    }
    return decimalText(value);
}

std::string windowFieldText(const BootFontHeader& header, const HeaderField& field) {
    switch (field.display) {
        case FieldDisplay::Language:
            return windowLanguageText(header.LanguageId);
        case FieldDisplay::LeadBytes:
            return windowLeadTableText(header.DbcsLeadTable);
        case FieldDisplay::Signature:
        case FieldDisplay::Decimal:
            break;
    }
    return decimalText(fieldNumber(header, field));
}

}  // namespace bootfont
