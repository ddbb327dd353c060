#include "bootfont/hexglyphline.h"

#include <algorithm>
#include <utility>

#include "bootfont/bootfontrecords.h"
#include "runtime/numbertext.h"

namespace bootfont {
namespace {

constexpr std::size_t kNarrowBytes = kGlyphRows * kSbcsGlyphWidth / 8;
constexpr std::size_t kWideBytes = kGlyphRows * kDbcsGlyphWidth / 8;

bool allHex(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return runtime::hexDigitValue(c) >= 0; });
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\n\f\v";
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

}  // namespace

void appendHexGlyphLine(std::string& out, char32_t key, std::span<const std::uint8_t> bitmap) {
    out += runtime::codePointText(key).substr(2);
    out += ':';
    for (const std::uint8_t byte : bitmap) {
        runtime::appendHexByte(out, byte);
    }
}

std::string hexGlyphLine(char32_t key, std::span<const std::uint8_t> bitmap) {
    std::string line;
    appendHexGlyphLine(line, key, bitmap);
    return line;
}

ParsedHexGlyph parseHexGlyphLine(std::string_view text, std::size_t bitmapBytes) {
    std::string_view digits = trimmed(text);
    if (const std::size_t colon = digits.find(':'); colon != std::string_view::npos) {
        const std::string_view key = digits.substr(0, colon);
        if (key.empty() || key.size() > 8 || !allHex(key)) {
            return {std::nullopt, HexGlyphRefusal::NotHex};
        }
        digits.remove_prefix(colon + 1);
    }
    if (digits.empty() || !allHex(digits)) {
        return {std::nullopt, HexGlyphRefusal::NotHex};
    }
    const std::size_t bytes = digits.size() / 2;
    if (digits.size() % 2 != 0 || (bytes != kNarrowBytes && bytes != kWideBytes)) {
        return {std::nullopt, HexGlyphRefusal::WrongLength};
    }
    if (bytes > bitmapBytes) {
        return {std::nullopt, HexGlyphRefusal::TooWide};
    }
    // Each row's bytes at the start of the glyph's row, the rest of a wider row blank.
    const std::size_t rowBytes = bytes / kGlyphRows;
    const std::size_t glyphRowBytes = bitmapBytes / kGlyphRows;
    std::vector<std::uint8_t> bitmap(bitmapBytes, 0);
    for (std::size_t i = 0; i < bytes; ++i) {
        const std::size_t row = i / rowBytes;
        bitmap[row * glyphRowBytes + i % rowBytes] = static_cast<std::uint8_t>(
            runtime::hexDigitValue(digits[2 * i]) << 4 | runtime::hexDigitValue(digits[2 * i + 1]));
    }
    return {std::move(bitmap), HexGlyphRefusal::NotHex};
}

}  // namespace bootfont
