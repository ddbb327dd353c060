// libFuzzer target: arbitrary bytes as a GNU Unifont .hex file, read as bootfont build reads a
// source: indexed, then asked for characters and each glyph fitted to both cells. A refusal
// (fontio::FontIoError) is an expected outcome; a sanitizer report, a crash, a hang, runaway
// memory or a glyph whose rows do not fit its bits is a finding.
#include <cstdint>

#include "fontio/fontioerror.h"
#include "fontio/glyphfitting.h"
#include "fontio/unifontsource.h"
#include "fuzzinput.h"

namespace {

// Characters worth asking for: those the input's first lines may name, and a spread of others.
constexpr char32_t kAsked[] = {0x0,    0x20,   0x41,   0x7E,   0xFF,    0x100,   0x3000,
                               0x4E00, 0x4E2D, 0xFFFD, 0xFFFF, 0x10000, 0x10FFFF};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = fuzzing::writeInput(data, size);
    try {
        fontio::UnifontSource source(path.string());
        for (const char32_t character : kAsked) {
            const auto glyph = source.glyph(character);
            if (!glyph) {
                continue;
            }
            fuzzing::expect(
                glyph->bits.size() == static_cast<std::size_t>(glyph->pitch) * glyph->rows,
                "a glyph's bits do not match its rows");
            fontio::fitGlyph(*glyph, 8);
            fontio::fitGlyph(*glyph, 16);
        }
    } catch (const fontio::FontIoError&) {
    }
    return 0;
}
