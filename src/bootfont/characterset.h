#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bootfont/bootfontrecords.h"

namespace bootfont {

// Codes from `first` to `last`: single bytes, or lead << 8 | trail.
struct CodeRange {
    std::uint16_t first = 0;
    std::uint16_t last = 0;
};

// One code of a boot font's character set.
struct CharacterCode {
    std::uint16_t code = 0;  // one byte, or lead << 8 | trail
    bool doubleByte = false;
    // What the code stands for in the character set the codes come from (JIS X 0208's 0x5C is
    // the yen sign), and in the language's code page: the value the record carries.
    char32_t character = 0;
    char32_t unicode = 0;

    // The table whose records hold codes of this width.
    GlyphTable table() const { return doubleByte ? GlyphTable::Dbcs : GlyphTable::Sbcs; }
};

// Which codes a boot font for a language holds.
struct CharacterSetRequest {
    std::int32_t languageId = 0;
    // A Windows code page (936, 950, 932, 949) whose whole double-byte set is taken instead of
    // the national standard set; it must be the language's code page.
    std::optional<int> codePage;
    std::vector<CodeRange> sbcsRanges;  // empty: the language's printable single-byte codes
    std::vector<CodeRange> dbcsRanges;  // empty: every double-byte code of the set
};

struct CharacterSet {
    int codePage = 0;     // the language's
    std::string charset;  // iconv's name of the set the codes come from ("EUC-CN", "CP936")
    std::vector<CharacterCode>
        codes;  // the single-byte codes, then the double-byte ones, ascending
};

// The codes of the language's character set: for Chinese (PRC) GB 2312, for Chinese (Taiwan)
// Big5, for Japanese JIS X 0208 in Shift_JIS and JIS X 0201's half-width katakana, for Korean
// KS X 1001 (EUC-KR); the printable single bytes 0x20-0x7E besides (0x20-0xFF of the OEM code
// page for the other languages). iconv decides which codes are characters and which they are; a
// code is taken when the language's code page has it too. Raises BootFontError (invalid
// argument) with the reason for a language without a code page known here, a code page that is not
// the language's, or one the C library lacks.
CharacterSet characterSet(const CharacterSetRequest& request);

}  // namespace bootfont
