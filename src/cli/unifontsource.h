#pragma once

#include <string>
#include <utility>
#include <vector>

#include "cli/fontinput.h"
#include "cli/glyphsource.h"

namespace cli {

// GNU Unifont's .hex format: a line per glyph, the code point in hex digits, a colon and the
// 16 rows as 32 (8 pixels wide) or 64 (16 pixels wide) hex digits. The rows stand on a baseline
// with two rows below it.
class UnifontSource : public GlyphSource {
public:
    // Takes the whole text of `file`. A line that is no glyph raises InputError naming the file
    // and the line: when it is read, or for bad digits when its glyph is asked for.
    UnifontSource(const std::string& file, std::string text);

    std::optional<SourceGlyph> glyph(char32_t character) override;

    // Whether `start` (the first bytes of a file) reads as a .hex line.
    static bool looksLikeHex(std::string_view start);

private:
    std::string file_;
    std::string text_;
    // (code point, offset of its digits in text_, digit count), ascending by code point.
    struct Entry {
        char32_t character = 0;
        std::size_t digits = 0;
        std::size_t count = 0;
        std::size_t line = 0;
    };

    InputError badLine(std::size_t line) const;

    std::vector<Entry> entries_;
};

}  // namespace cli
