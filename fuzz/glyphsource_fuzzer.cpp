// libFuzzer target: arbitrary bytes as a source font of bootfont build (BDF, PCF, gzipped PCF,
// Windows FNT/FON, TrueType/OpenType through FreeType, Unifont .hex, or a boot font), opened as build opens a
// SOURCE and its glyphs for a Simplified Chinese boot font's first codes gathered and fitted to
// their cells. A refusal (fontio::FontIoError) is an expected outcome; a sanitizer report, a
// crash, a hang or runaway memory is a finding.
#include <cstdint>
#include <memory>
#include <vector>

#include "bootfont/characterset.h"
#include "fontio/bootfontassembly.h"
#include "fontio/fontioerror.h"
#include "fuzzinput.h"

namespace {

// ASCII and the first row of GB 2312's hanzi: both cell widths, an X charset's seven-bit codes
// and Unicode maps alike.
const bootfont::CharacterSet& characters() {
    static const bootfont::CharacterSet set =
        bootfont::characterSet({0x804, std::nullopt, {{0x20, 0x7E}}, {{0xB0A1, 0xB0FE}}});
    return set;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = fuzzing::writeInput(data, size);
    try {
        std::vector<std::unique_ptr<fontio::GlyphSource>> sources;
        sources.push_back(fontio::openGlyphSource(path.string()));
        const fontio::AssembledFont font = fontio::assembleBootFont(characters(), sources);
        fuzzing::expect(font.contents.sbcs.size() + font.contents.dbcs.size() +
                                static_cast<std::size_t>(font.missing) ==
                            characters().codes.size(),
                        "a code neither taken nor counted missing");
    } catch (const fontio::FontIoError&) {
    }
    return 0;
}
