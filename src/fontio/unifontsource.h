#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fontio/fontioerror.h"
#include "fontio/glyphsource.h"

namespace fontio {

// GNU Unifont's .hex format: a line per glyph, the code point in hex digits, a colon and the
// 16 rows as 32 (8 pixels wide) or 64 (16 pixels wide) hex digits. The rows stand on a baseline
// with two rows below it.
class UnifontSource : public GlyphSource {
public:
    // Maps `file` into memory and indexes its lines. A line that is no glyph raises FontIoError
    // naming the file and the line: when it is indexed, or for bad digits when its glyph is asked
    // for.
    explicit UnifontSource(const std::string& file);
    ~UnifontSource() override;

    UnifontSource(const UnifontSource&) = delete;
    UnifontSource& operator=(const UnifontSource&) = delete;

    std::optional<SourceGlyph> glyph(char32_t character) override;

    // Whether `start` (the first bytes of a file) reads as a .hex line.
    static bool looksLikeHex(std::string_view start);

private:
    std::string file_;
    std::string_view text_;  // the mapped file
    // (code point, offset of its digits in text_, digit count, line), ascending by code point;
    // 16 bytes, as Unifont has some 57,000 of them.
    struct Entry {
        char32_t character = 0;
        std::uint32_t digits = 0;
        std::uint32_t count = 0;
        std::uint32_t line = 0;
    };

    void index();
    FontIoError badLine(std::size_t line) const;

    std::vector<Entry> entries_;
};

}  // namespace fontio
