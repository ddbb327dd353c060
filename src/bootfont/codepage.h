#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "bootfont/bootfontrecords.h"

namespace bootfont {

// Character codes of one Windows code page, converted to Unicode and back by the C library's
// iconv. The two conversion descriptors are opened once, here, and reused by every call; one
// object is therefore not for use from two threads at once.
class CodePage {
public:
    // Raises BootFontError (invalid argument) when the C library does not know the code page.
    explicit CodePage(int number);
    // The character set iconv calls `charset` ("EUC-CN", "SHIFT_JIS"), standing in for the code
    // page `number`: a national standard set that the code page extends.
    CodePage(int number, const std::string& charset);
    ~CodePage();

    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    int number() const noexcept { return number_; }

    // The Unicode scalar of the one character stored as `code`: a single byte, or a lead and a
    // trail byte in that order. nullopt when the bytes are not exactly one character of the code
    // page.
    std::optional<char32_t> toUnicode(std::span<const std::uint8_t> code) const;

    // The characters of many codes of `width` bytes (1, or 2 for a lead and a trail byte), in
    // their order, as toUnicode gives them one at a time. They go through iconv in one run: one
    // conversion per code was most of the time a check of a large table took.
    std::vector<std::optional<char32_t>> toUnicode(std::span<const std::uint16_t> codes,
                                                   int width) const;

    // The bytes (one, or lead and trail) that store `character` in the code page; nullopt when
    // the code page has no such character.
    std::optional<std::vector<std::uint8_t>> fromUnicode(char32_t character) const;

    // Whether `byte` is a lead byte: iconv reads it alone as the start of a character that needs
    // more bytes.
    bool isLeadByte(std::uint8_t byte) const;

private:
    int number_;
    // iconv_t, kept opaque so that users of this header do not see <iconv.h>.
    void* toUnicode_;
    void* fromUnicode_;
};

// The code page of the language `languageId` (languages.h), opened; null when the language has
// none known here or the C library lacks it. Everything that turns a font's codes into characters
// opens it this way.
std::unique_ptr<CodePage> openLanguageCodePage(std::int32_t languageId);

// Where a glyph's character comes from: the Unicode value its record carries, or its code's
// character in the language's code page when the record carries none (0).
enum class UnicodeSource { Record, CodePage };

struct GlyphCharacter {
    char32_t value = 0;
    UnicodeSource source = UnicodeSource::Record;
};

// The one rule for a glyph's character: the record's Unicode value when it is not 0, otherwise
// its code's character in `codePage` (null when the font's language has none known here);
// nullopt when neither gives one.
std::optional<GlyphCharacter> glyphUnicode(const SbcsGlyphRecord& record, const CodePage* codePage);
std::optional<GlyphCharacter> glyphUnicode(const DbcsGlyphRecord& record, const CodePage* codePage);

}  // namespace bootfont
