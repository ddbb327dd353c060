// Writes one sample boot font from GNU Unifont's glyphs, for the viewer's bootfont folder:
//   samplefonts <sample> <unifont .hex file> <output file>
// Any failure is reported on stderr with a non-zero exit status and leaves the output file as it
// was.
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "samplefonts/bootfontimage.h"
#include "samplefonts/codepage.h"
#include "samplefonts/outputfile.h"
#include "samplefonts/samplefontdefinition.h"
#include "samplefonts/samplefontglyphs.h"
#include "samplefonts/unifonthex.h"

namespace {

std::string sampleNames() {
    std::string names;
    for (const auto& definition : samplefonts::sampleFontDefinitions()) {
        names += (names.empty() ? "" : ", ") + std::string(definition.name);
    }
    return names;
}

void generate(const std::string& sample, const std::string& hexFile, const std::string& output) {
    using namespace samplefonts;
    const SampleFontDefinition* definition = findSampleFont(sample);
    if (definition == nullptr) {
        throw std::invalid_argument("no sample called '" + sample + "' (samples: " + sampleNames() +
                                    ")");
    }
    const UnifontHex unifont = UnifontHex::load(hexFile);
    CodePage codePage{std::string(definition->codePage)};
    const SampleFontGlyphs glyphs = collectGlyphs(*definition, codePage, unifont);
    writeOutputFile(output, encodeBootFont(definition->languageId, definition->leadRanges,
                                           glyphs.sbcs, glyphs.dbcs));

    std::cout << std::filesystem::path(output).filename().string() << ": " << codePage.name()
              << ", " << glyphs.sbcs.size() << " SBCS and " << glyphs.dbcs.size() << " DBCS glyphs";
    if (glyphs.withoutGlyph > 0) {
        std::cout << "; " << glyphs.withoutGlyph
                  << " mapped double-byte codes have no Unifont glyph and are left out";
    }
    std::cout << '\n';
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::cerr << "usage: samplefonts <sample> <unifont .hex file> <output file>\n"
                  << "samples: " << sampleNames() << '\n';
        return 2;
    }
    try {
        generate(argv[1], argv[2], argv[3]);
    } catch (const std::exception& error) {
        std::cerr << "samplefonts: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
