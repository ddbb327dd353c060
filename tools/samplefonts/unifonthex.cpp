#include "samplefonts/unifonthex.h"

#include <charconv>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace samplefonts {
namespace {

constexpr std::size_t kRows = 16;
constexpr char32_t kLastCodePoint = 0x10FFFF;

// The value of a run of hex digits, or false when the run is empty, too long or holds another
// character. from_chars alone would accept a leading sign and stop silently at a bad digit.
template <typename Unsigned>
bool parseHex(std::string_view digits, Unsigned& value) {
    if (digits.empty() || digits.size() > 2 * sizeof(Unsigned)) {
        return false;
    }
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    return error == std::errc{} && end == digits.data() + digits.size();
}

UnifontGlyph parseBitmap(std::string_view digits) {
    UnifontGlyph glyph;
    if (digits.size() == kRows * 2) {
        glyph.width = 8;
    } else if (digits.size() == kRows * 4) {
        glyph.width = 16;
    } else {
        throw std::invalid_argument("the bitmap has " + std::to_string(digits.size()) +
                                    " hex digits, not 32 (8 × 16) or 64 (16 × 16)");
    }
    const std::size_t digitsPerRow = digits.size() / kRows;
    for (std::size_t row = 0; row < kRows; ++row) {
        if (!parseHex(digits.substr(row * digitsPerRow, digitsPerRow), glyph.rows[row])) {
            throw std::invalid_argument("row " + std::to_string(row) + " of the bitmap is not hex");
        }
    }
    return glyph;
}

}  // namespace

UnifontHex UnifontHex::load(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error(path.string() + ": cannot open the Unifont .hex file");
    }
    return parse(in, path.string());
}

UnifontHex UnifontHex::parse(std::istream& in, const std::string& sourceName) {
    UnifontHex font;
    std::string line;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        const auto fail = [&](const std::string& why) {
            throw std::runtime_error(sourceName + ":" + std::to_string(number) + ": " + why);
        };
        std::string_view text(line);
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
        const std::size_t colon = text.find(':');
        if (colon == std::string_view::npos) {
            fail("no ':' between code point and bitmap");
        }
        std::uint32_t codePoint = 0;
        const std::string_view codeDigits = text.substr(0, colon);
        if (codeDigits.size() < 4 || !parseHex(codeDigits, codePoint) ||
            codePoint > kLastCodePoint) {
            // Appended rather than joined with +: g++ 12 at -O3 takes "'" + std::string for an
            // overlapping copy and raises a false -Wrestrict.
            std::string why = "'";
            fail(why.append(codeDigits).append("' is not a code point"));
        }
        try {
            if (!font.glyphs_.emplace(char32_t{codePoint}, parseBitmap(text.substr(colon + 1)))
                     .second) {
                fail("a second glyph for " + std::string(codeDigits));
            }
        } catch (const std::invalid_argument& error) {
            fail(error.what());
        }
    }
    if (in.bad()) {
        throw std::runtime_error(sourceName + ": read error");
    }
    if (font.glyphs_.empty()) {
        throw std::runtime_error(sourceName + ": no glyphs");
    }
    return font;
}

const UnifontGlyph* UnifontHex::find(char32_t codePoint) const {
    const auto glyph = glyphs_.find(codePoint);
    return glyph == glyphs_.end() ? nullptr : &glyph->second;
}

}  // namespace samplefonts
