#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "bootfont/glyphtables.h"
#include "bootfont/headerfields.h"
#include "bootfont/leadranges.h"

// A boot font's values as people read them, written once for the command and the window: header
// fields as the field table's display column says, codes, characters, the lead-byte table and its
// ranges. UTF-8 text; the window turns it into its own strings.
namespace bootfont {

// The UTF-8 bytes of one code point.
std::string encodeUtf8(char32_t c);

// Whether a code point is shown as itself: not a control character (C0, DEL, C1), not a
// surrogate, not a noncharacter (U+FDD0 to U+FDEF, U+xFFFE and U+xFFFF) and within Unicode.
bool isPrintable(char32_t c);

// "U+4E2D 中": the code point, and the character after it where it is printable.
std::string characterText(char32_t c);

// "0xD6D0", "0x41": a code of a table with the table's digits.
std::string codeText(std::uint16_t code, GlyphTable table);
// A code known only by its value (a code asked for) with codeDigitsOf()'s digits.
std::string codeText(std::uint32_t code);

// "A1 FE 00 00 ...": the lead-byte table's twelve bytes, two digits each.
std::string leadTableText(const LeadTable& table);
// " A1 FE 0 0 ...": the window's form, each byte after a space, without leading zeros.
std::string windowLeadTableText(const LeadTable& table);

// "0xA1 to 0xFE", and ranges joined by commas.
std::string leadRangeText(const LeadRange& range);
std::string leadRangesText(std::span<const LeadRange> ranges);

// A field's value in a line of its own: decimal, the signature and the language id in hex, the
// lead-byte table as leadTableText.
std::string fieldText(const BootFontHeader& header, const HeaderField& field);
// A field's value with what it means: the signature and language id in decimal and hex with their
// meaning, the lead-byte table with its ranges; the rest as fieldText.
std::string fieldDescription(const BootFontHeader& header, const HeaderField& field);
// A field's value in the window's header box: the language by its name (windowLanguageText), the
// lead-byte table as windowLeadTableText, the rest in decimal.
std::string windowFieldText(const BootFontHeader& header, const HeaderField& field);

}  // namespace bootfont
