// libFuzzer target: bootfont build from one arbitrary source font, to the written bytes: the
// source opened, every code of a Simplified Chinese boot font gathered and fitted, the font
// written and read back and checked. A refusal of the source (fontio::FontIoError) and the
// writer's refusal of a font whose codes need more than five lead-byte ranges (a sparse source)
// are expected outcomes; a sanitizer report, a crash, a hang, runaway memory or a written font
// whose check finds an error is a finding.
#include <cstdint>
#include <memory>
#include <vector>

#include "bootfont/characterset.h"
#include "bootfont/fontcheck.h"
#include "fontio/bootfontassembly.h"
#include "fontio/fontioerror.h"
#include "fuzzinput.h"
#include "runtime/runtimeerror.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bootfont::CharacterSet set = bootfont::characterSet({0x804, {}, {}, {}});
    const auto path = fuzzing::writeInput(data, size);
    std::vector<std::unique_ptr<fontio::GlyphSource>> sources;
    try {
        sources.push_back(fontio::openGlyphSource(path.string()));
        fontio::AssembledFont font = fontio::assembleBootFont(set, sources);
        font.contents.languageId = 0x804;
        const auto bytes = bootfont::writeBootFont(font.contents);
        for (const bootfont::Finding& finding :
             bootfont::checkFont(bootfont::readWholeFont(bytes))) {
            fuzzing::expect(finding.severity != bootfont::Severity::Error,
                            "a built font with an error");
        }
    } catch (const fontio::FontIoError&) {
    } catch (const runtime::RuntimeError& refusal) {
        fuzzing::expect(refusal.number() == runtime::ErrorNumber::InvalidProcedureCall,
                        "the writer failed otherwise than by refusing the font");
    }
    return 0;
}
