#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>
#include <unordered_map>

namespace samplefonts {

// One glyph of GNU Unifont: 16 rows, 8 or 16 pixels wide. In each row the leftmost pixel is the
// highest of the `width` low bits, so an 8-pixel row fits in 0..0xFF.
struct UnifontGlyph {
    int width = 0;
    std::array<std::uint16_t, 16> rows{};

    friend bool operator==(const UnifontGlyph&, const UnifontGlyph&) = default;
};

// The glyphs of a Unifont .hex file: one line per character, "4E2D:" and then 32 hex digits (8 × 16
// pixels) or 64 (16 × 16), row after row from the top. A line that breaks this form is an error
// naming its file and line, so a damaged file never turns into a silently wrong font.
class UnifontHex {
public:
    static UnifontHex load(const std::filesystem::path& path);
    // `sourceName` names the input in error messages.
    static UnifontHex parse(std::istream& in, const std::string& sourceName);

    // The glyph of a character, or nullptr when Unifont has none.
    const UnifontGlyph* find(char32_t codePoint) const;
    std::size_t size() const noexcept { return glyphs_.size(); }

private:
    std::unordered_map<char32_t, UnifontGlyph> glyphs_;
};

}  // namespace samplefonts
