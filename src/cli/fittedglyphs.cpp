#include "cli/fittedglyphs.h"

#include "bootfont/valuetext.h"
#include "cli/failure.h"
#include "cli/presentation.h"
#include "runtime/numbertext.h"

namespace cli {

void reportFittedGlyphs(const std::string& name, std::int64_t fitted,
                        const bootfont::CharacterCode& first, bool strict) {
    if (fitted == 0) {
        return;
    }
    const bool one = fitted == 1;
    const std::string count = runtime::countText(fitted, "glyph is not the size of its cell",
                                                 "glyphs are not the size of their cell") +
                              " (the first: " + bootfont::codeText(std::uint32_t{first.code}) +
                              " (" + runtime::codePointText(first.character) + "))";
    if (strict) {
        failUsage(count + "; --strict refuses to centre or cut " + (one ? "it" : "them"));
    }
    reportError(name + ": " + count + "; " + (one ? "it was" : "they were") +
                " centred or cut to fit");
}

}  // namespace cli
