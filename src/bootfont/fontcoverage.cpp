#include "bootfont/fontcoverage.h"

#include <bitset>
#include <memory>

#include "bootfont/valuetext.h"
#include "runtime/numbertext.h"
#include "runtime/runtimeerror.h"

namespace bootfont {
namespace {

constexpr std::uint8_t kFirstAscii = 0x20;
constexpr std::uint8_t kLastAscii = 0x7E;

// The codes of each width a font or a set holds: single bytes, and lead << 8 | trail.
struct CodeMarks {
    std::bitset<0x100> sbcs;
    std::bitset<0x10000> dbcs;

    bool has(const CharacterCode& code) const {
        return code.doubleByte ? dbcs.test(code.code) : sbcs.test(code.code);
    }
    void mark(const CharacterCode& code) {
        if (code.doubleByte) {
            dbcs.set(code.code);
        } else {
            sbcs.set(code.code);
        }
    }
};

// "0x41 to 0x5A (A to Z)", "0x20 (space)".
std::string asciiRangeText(std::uint8_t first, std::uint8_t last) {
    const auto text = [](std::uint8_t code) {
        return code == ' ' ? std::string("space") : std::string(1, static_cast<char>(code));
    };
    const auto code = [](std::uint8_t c) { return codeText(c, GlyphTable::Sbcs); };
    return first == last
               ? code(first) + " (" + text(first) + ")"
               : code(first) + " to " + code(last) + " (" + text(first) + " to " + text(last) + ")";
}

}  // namespace

std::optional<FontCoverage> fontCoverage(const WholeFont& font) {
    CharacterSet set;
    try {
        set = characterSet({font.header.LanguageId, {}, {}, {}});
    } catch (const runtime::RuntimeError&) {
        return std::nullopt;  // no code page known here, or the C library lacks it
    }
    // The set's codes are 16-bit: a bit each for the font's codes and the set's.
    auto fontCodes = std::make_unique<CodeMarks>();
    auto setCodes = std::make_unique<CodeMarks>();
    for (const SbcsGlyphRecord& record : font.sbcsGlyphs) {
        fontCodes->sbcs.set(record.code());
    }
    if (!hasDbcsPlaceholder(font)) {
        for (const DbcsGlyphRecord& record : font.dbcsGlyphs) {
            fontCodes->dbcs.set(record.code());
        }
    }
    FontCoverage coverage{set.charset, set.codePage, std::ssize(set.codes), 0, 0, {}};
    for (const CharacterCode& code : set.codes) {
        setCodes->mark(code);
        if (fontCodes->has(code)) {
            ++coverage.covered;
        } else {
            coverage.missing.push_back(code);
        }
    }
    for (const SbcsGlyphRecord& record : font.sbcsGlyphs) {
        coverage.outside += setCodes->sbcs.test(record.code()) ? 0 : 1;
    }
    if (!hasDbcsPlaceholder(font)) {
        for (const DbcsGlyphRecord& record : font.dbcsGlyphs) {
            coverage.outside += setCodes->dbcs.test(record.code()) ? 0 : 1;
        }
    }
    return coverage;
}

std::optional<Finding> missingAsciiNote(const WholeFont& font) {
    if (!font.hasSignature() || font.sbcs.cut()) {
        return std::nullopt;
    }
    std::bitset<0x100> has;
    for (const SbcsGlyphRecord& record : font.sbcsGlyphs) {
        has.set(record.code());
    }
    std::string ranges;
    std::int64_t lacking = 0;
    for (unsigned code = kFirstAscii; code <= kLastAscii; ++code) {
        if (has.test(code)) {
            continue;
        }
        unsigned last = code;
        while (last < kLastAscii && !has.test(last + 1)) {
            ++last;
        }
        lacking += last - code + 1;
        ranges += (ranges.empty() ? "" : ", ") +
                  asciiRangeText(static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(last));
        code = last;
    }
    if (lacking == 0) {
        return std::nullopt;
    }
    const std::int64_t all = kLastAscii - kFirstAscii + 1;
    return Finding{Severity::Note,
                   "ascii-missing",
                   "the single-byte table lacks " + runtime::decimalText(lacking) + " of the " +
                       runtime::decimalText(all) + " printable ASCII characters (" +
                       codeText(kFirstAscii, GlyphTable::Sbcs) + " to " +
                       codeText(kLastAscii, GlyphTable::Sbcs) + "): " + ranges,
                   GlyphTable::Sbcs,
                   {},
                   {}};
}

std::vector<Finding> checkFontAndAscii(const WholeFont& font) {
    std::vector<Finding> findings = checkFont(font);
    if (auto note = missingAsciiNote(font)) {
        findings.push_back(std::move(*note));
    }
    return findings;
}

}  // namespace bootfont
