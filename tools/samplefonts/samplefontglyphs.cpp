#include "samplefonts/samplefontglyphs.h"

#include <array>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "samplefonts/glyphbitmap.h"

namespace samplefonts {
namespace {

std::string hexText(unsigned value, int digits) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%0*X", digits, value);
    return text.data();
}

std::string characterText(char32_t character) {
    return "U+" + hexText(static_cast<unsigned>(character), 4);
}

bootfont::SbcsGlyphRecord sbcsRecord(std::uint8_t code, CodePage& codePage,
                                     const UnifontHex& unifont) {
    const std::array<std::uint8_t, 1> bytes{code};
    const std::string where = "byte " + hexText(code, 2) + " of " + codePage.name();
    const auto character = codePage.decode(bytes);
    if (!character) {
        throw std::runtime_error(where + " is no character");
    }
    const UnifontGlyph* glyph = unifont.find(*character);
    if (glyph == nullptr) {
        throw std::runtime_error("Unifont has no glyph for " + characterText(*character) + " (" +
                                 where + ")");
    }
    try {
        return {code, sbcsBitmap(*glyph)};
    } catch (const std::invalid_argument& error) {
        throw std::runtime_error(characterText(*character) + " (" + where + "): " + error.what());
    }
}

}  // namespace

SampleFontGlyphs collectGlyphs(const SampleFontDefinition& definition, CodePage& codePage,
                               const UnifontHex& unifont) {
    SampleFontGlyphs glyphs;
    for (const ByteRange range : definition.sbcsRanges) {
        for (unsigned code = range.first; code <= range.last; ++code) {
            glyphs.sbcs.push_back(sbcsRecord(static_cast<std::uint8_t>(code), codePage, unifont));
        }
    }
    for (const ByteRange leads : definition.leadRanges) {
        for (unsigned lead = leads.first; lead <= leads.last; ++lead) {
            for (const ByteRange trails : definition.trailRanges) {
                for (unsigned trail = trails.first; trail <= trails.last; ++trail) {
                    const std::array<std::uint8_t, 2> code{static_cast<std::uint8_t>(lead),
                                                           static_cast<std::uint8_t>(trail)};
                    const auto character = codePage.decode(code);
                    if (!character) {
                        continue;
                    }
                    const UnifontGlyph* glyph = unifont.find(*character);
                    if (glyph == nullptr) {
                        ++glyphs.withoutGlyph;
                        continue;
                    }
                    glyphs.dbcs.push_back({code, dbcsBitmap(*glyph), {}});
                }
            }
        }
    }
    if (glyphs.dbcs.empty()) {
        throw std::runtime_error(codePage.name() +
                                 " maps no double-byte code to a character that Unifont draws");
    }
    return glyphs;
}

}  // namespace samplefonts
