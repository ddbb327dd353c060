// bootfont build -o OUT --lang ID [--codepage CP] SOURCE... : a boot font from bitmap and outline
// fonts, for the character set of a language, checked before it is written.
#include <CLI/App.hpp>
#include <CLI/Validators.hpp>
#include <iostream>
#include <memory>

#include "bootfont/bootfontwriter.h"
#include "bootfont/characterset.h"
#include "bootfont/fontcheck.h"
#include "bootfont/leadranges.h"
#include "bootfont/valuetext.h"
#include "cli/codeoptions.h"
#include "cli/commands.h"
#include "cli/failure.h"
#include "cli/fittedglyphs.h"
#include "cli/outputfile.h"
#include "cli/presentation.h"
#include "fontio/bootfontassembly.h"
#include "fontio/glyphsource.h"
#include "runtime/numbertext.h"
#include "runtime/runtimeerror.h"

namespace cli {
namespace {

using runtime::decimalText;

struct BuildOptions {
    std::string out;
    std::string language;
    std::optional<int> codePage;
    std::vector<std::string> sources;
    std::vector<std::string> sbcsRanges;
    std::vector<std::string> dbcsRanges;
    int topPad = 0;
    int bottomPad = 0;
    bool strict = false;
};

int runBuild(const BuildOptions& options) {
    bootfont::CharacterSetRequest request;
    request.languageId =
        static_cast<std::int32_t>(numberOption(options.language, "--lang", 0xFFFF));
    request.codePage = options.codePage;
    request.sbcsRanges = codeRanges(options.sbcsRanges, "--sbcs-range", 0xFF);
    request.dbcsRanges = codeRanges(options.dbcsRanges, "--dbcs-range", 0xFFFF);
    for (const std::string& source : options.sources) {
        if (isSameFile(source, options.out)) {
            failUsage(options.out + ": is a source; choose another output");
        }
    }
    const bootfont::CharacterSet set = bootfont::characterSet(request);
    std::vector<std::unique_ptr<fontio::GlyphSource>> sources;
    for (const std::string& source : options.sources) {
        sources.push_back(fontio::openGlyphSource(source));
    }

    fontio::AssembledFont glyphs = fontio::assembleBootFont(set, sources);
    const std::string charset = set.charset + " (code page " + decimalText(set.codePage) + ")";
    if (glyphs.contents.sbcs.empty() && glyphs.contents.dbcs.empty()) {
        failUsage("no source has a glyph for any code of " + charset);
    }
    reportFittedGlyphs(options.out, glyphs.fitted, glyphs.firstFitted, options.strict);
    if (glyphs.missing > 0) {
        reportError(options.out + ": " + runtime::countText(glyphs.missing, "code", "codes") +
                    " of " + charset +
                    (glyphs.missing == 1 ? " has no glyph in the sources and is left out"
                                         : " have no glyph in the sources and are left out"));
    }
    glyphs.contents.languageId = request.languageId;
    glyphs.contents.topPad = static_cast<std::uint8_t>(options.topPad);
    glyphs.contents.bottomPad = static_cast<std::uint8_t>(options.bottomPad);
    std::vector<std::uint8_t> bytes;
    try {
        bytes = bootfont::writeBootFont(glyphs.contents);
    } catch (const runtime::RuntimeError& refusal) {
        failUsage(options.out + ": not written: " + refusal.detail());
    }

    const bootfont::WholeFont font = bootfont::readWholeFont(bytes);
    const auto needed = bootfont::leadRangesOf(glyphs.contents.dbcs);
    if (const auto written = bootfont::leadByteRanges(font.header); written != needed) {
        reportError(options.out + ": the double-byte codes need " +
                    decimalText(std::ssize(needed)) + " lead-byte ranges, more than the header's " +
                    decimalText(bootfont::kMaxDbcsRange) + "; written: " +
                    bootfont::leadRangesText(written) + ", joined across lead bytes of code page " +
                    decimalText(set.codePage) + " without glyphs");
    }
    // Warnings and notes are told; errors keep the font from being written.
    const auto findings = bootfont::checkFont(font);
    for (const bootfont::Finding& finding : findings) {
        printFinding(std::cerr, options.out, finding);
    }
    if (statusOf(findings) != kSuccess) {
        failFile(options.out + ": not written: the new font does not pass check");
    }
    writeOutputFile(options.out, bytes);
    return kSuccess;
}

}  // namespace

void addBuildCommand(CLI::App& app, CommandAction& action) {
    auto options = std::make_shared<BuildOptions>();
    CLI::App* command = app.add_subcommand(
        "build",
        "Make a boot font for a language from bitmap or outline fonts (BDF, PCF, FNT/FON, "
        "TrueType/OpenType, Unifont .hex, or an installed font's name), tried in the order given "
        "for each character; the new font is checked before it is written");
    command->add_option("SOURCE", options->sources, "fonts that draw the characters")->required();
    command
        ->add_option("-o,--output", options->out, "the boot font to write, - for standard output")
        ->required();
    command
        ->add_option("--lang", options->language,
                     "Windows language id, e.g. 0x804 (its code page decides the characters)")
        ->required();
    command->add_option("--codepage", options->codePage,
                        "936, 950, 932 or 949: the code page's whole double-byte set instead of "
                        "the national standard set");
    command
        ->add_option("--sbcs-range", options->sbcsRanges,
                     "single-byte codes to take, e.g. 0x20-0x7E (repeatable)")
        ->allow_extra_args(false);  // one range each, so that a SOURCE may follow
    command
        ->add_option("--dbcs-range", options->dbcsRanges,
                     "double-byte codes to take, e.g. 0xB0A1-0xF7FE (repeatable)")
        ->allow_extra_args(false);
    command->add_option("--top-pad", options->topPad, "the header's top pad")
        ->check(CLI::Range(0, 255));
    command->add_option("--bottom-pad", options->bottomPad, "the header's bottom pad")
        ->check(CLI::Range(0, 255));
    command->add_flag("--strict", options->strict,
                      "refuse glyphs that must be centred or cut to fit their cell");
    command->callback([&action, options] { action = [options] { return runBuild(*options); }; });
}

}  // namespace cli
