#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A glyph as one line of GNU Unifont's .hex files: its key in at least four upper-case hex
// digits, a colon and the bitmap's bytes as hex digits, row after row (32 digits for 8 x 16
// pixels, 64 for 16 x 16). The glyph editor copies and pastes glyphs in this form, and the
// command's .hex export writes its lines with it.
namespace bootfont {

// Appends the glyph's line, without a line end: whole fonts are thousands of lines.
void appendHexGlyphLine(std::string& out, char32_t key, std::span<const std::uint8_t> bitmap);
std::string hexGlyphLine(char32_t key, std::span<const std::uint8_t> bitmap);

// Why a text is not a glyph of the wanted size.
enum class HexGlyphRefusal {
    NotHex,       // no line of hex digits, with or without a key and a colon
    WrongLength,  // neither 32 nor 64 digits
    TooWide,      // 64 digits (16 x 16) for an 8 x 16 glyph
};

struct ParsedHexGlyph {
    std::optional<std::vector<std::uint8_t>> bitmap;  // `bitmapBytes` bytes when the text is good
    HexGlyphRefusal refusal = HexGlyphRefusal::NotHex;
};

// The glyph of a .hex line as a bitmap of `bitmapBytes` bytes (16 for 8 x 16, 32 for 16 x 16).
// The key and its colon may be left out; white space around the line (its line end included) is
// ignored, and digits may be lower case. 32 digits fill a 16 x 16 glyph's left half, as Unifont's
// half-width glyphs stand among its full-width ones, the right half blank.
ParsedHexGlyph parseHexGlyphLine(std::string_view text, std::size_t bitmapBytes);

}  // namespace bootfont
