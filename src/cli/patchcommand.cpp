// bootfont patch FONT SOURCE... -o OUT: new bitmaps for a boot font's glyphs from bitmap and
// outline fonts, every other byte of the font kept as it was, reported as diff reports.
#include <CLI/App.hpp>
#include <iostream>
#include <memory>

#include "bootfont/bitmapreplacement.h"
#include "bootfont/fontcheck.h"
#include "cli/codeoptions.h"
#include "cli/commands.h"
#include "cli/diffreport.h"
#include "cli/failure.h"
#include "cli/fittedglyphs.h"
#include "cli/fontinput.h"
#include "cli/outputfile.h"
#include "cli/presentation.h"
#include "fontio/bootfontpatching.h"

namespace cli {
namespace {

using bootfont::GlyphTable;

struct PatchOptions {
    std::string font;
    std::vector<std::string> sources;
    std::string out;
    std::optional<std::string> only;
    bool sbcs = false;
    bool dbcs = false;
    std::vector<std::string> sbcsRanges;
    std::vector<std::string> dbcsRanges;
    bool dryRun = false;
    bool json = false;
    bool strict = false;
};

// The glyphs the options let patch change.
fontio::GlyphSelection selection(const PatchOptions& options) {
    std::optional<std::u32string> only;
    if (options.only && !(only = decodeUtf8(*options.only))) {
        failUsage("--only: TEXT is not UTF-8");
    }
    auto sbcsRanges = codeRanges(options.sbcsRanges, "--sbcs-range", 0xFF);
    auto dbcsRanges = codeRanges(options.dbcsRanges, "--dbcs-range", 0xFFFF);
    return [only = std::move(only), sbcsRanges = std::move(sbcsRanges),
            dbcsRanges = std::move(dbcsRanges), sbcs = options.sbcs,
            dbcs = options.dbcs](GlyphTable table, std::uint16_t code, char32_t character) {
        const bool single = table == GlyphTable::Sbcs;
        const auto& ranges = single ? sbcsRanges : dbcsRanges;
        return (single ? !dbcs : !sbcs) && (ranges.empty() || inCodeRanges(ranges, code)) &&
               (!only || only->find(character) != std::u32string::npos);
    };
}

int runPatch(const PatchOptions& options) {
    if (options.out.empty() && !options.dryRun) {
        failUsage("name the patched font with -o OUT, or give --dry-run");
    }
    if (options.out == "-") {
        failUsage("-o -: the report goes to standard output; name a file");
    }
    const fontio::GlyphSelection selected = selection(options);
    const DiffSide original(inputName(options.font), openFontInput(options.font));
    if (!original.font().hasSignature()) {
        failUsage(original.name() + ": not a boot font (no signature)");
    }
    std::vector<std::unique_ptr<fontio::GlyphSource>> sources;
    for (const std::string& source : options.sources) {
        sources.push_back(fontio::openGlyphSource(source));
    }

    const fontio::PatchedGlyphs glyphs = fontio::patchGlyphs(original.file(), sources, selected);
    reportFittedGlyphs(original.name(), glyphs.fitted, glyphs.firstFitted, options.strict);
    const bool inPlace = options.out.empty() || isSameFile(options.font, options.out);
    const DiffSide patched(inPlace ? original.name() + " (patched)" : options.out,
                           bootfont::FontFile(replaceBitmaps(original.file(), glyphs.changes)));

    // Warnings and notes are told; errors keep the font from being written.
    const auto findings = bootfont::checkFont(patched.font());
    for (const bootfont::Finding& finding : findings) {
        printFinding(std::cerr, patched.name(), finding);
    }
    if (statusOf(findings) != kSuccess) {
        failFile(patched.name() + ": not written: the patched font does not pass check");
    }
    const bootfont::FontDifference difference =
        bootfont::compareFonts(original.font(), patched.font());
    if (options.json) {
        printJson(std::cout, diffJson(difference, original, patched, nlohmann::json::array()));
    } else if (!difference.same()) {
        printDiff(difference, original, patched);
    }
    if (difference.same()) {
        reportError(original.name() + ": no glyph to change");
    }
    if (!options.dryRun && !(difference.same() && inPlace)) {
        const auto& bytes = patched.file().bytes();
        writeOutputFile(options.out, bytes);
    }
    return kSuccess;
}

}  // namespace

void addPatchCommand(CLI::App& app, CommandAction& action) {
    auto options = std::make_shared<PatchOptions>();
    CLI::App* command = app.add_subcommand(
        "patch",
        "Give the glyphs of a boot font new bitmaps from the fonts build takes (boot fonts "
        "included), tried in the order given for each glyph's character, and keep every other "
        "byte of FONT; report the glyphs changed as diff does. Exit status 0 written or nothing "
        "to change, 1 the patched font does not pass check (nothing written), 2 trouble");
    command->add_option("FONT", options->font, "the boot font to patch, - for standard input")
        ->required();
    command->add_option("SOURCE", options->sources, "fonts that draw the characters")->required();
    command->add_option("-o,--output", options->out,
                        "the patched boot font to write; may be FONT itself");
    command->add_option("--only", options->only, "change only the glyphs of these characters")
        ->type_name("TEXT");
    auto* sbcs =
        command->add_flag("--sbcs", options->sbcs, "change only the single-byte table's glyphs");
    command->add_flag("--dbcs", options->dbcs, "change only the double-byte table's glyphs")
        ->excludes(sbcs);
    command
        ->add_option("--sbcs-range", options->sbcsRanges,
                     "single-byte codes to change, e.g. 0x41-0x5A (repeatable)")
        ->allow_extra_args(false);  // one range each, so that a SOURCE may follow
    command
        ->add_option("--dbcs-range", options->dbcsRanges,
                     "double-byte codes to change, e.g. 0xB0A1-0xB0FE (repeatable)")
        ->allow_extra_args(false);
    command->add_flag("--dry-run", options->dryRun, "report what would change; write nothing");
    command->add_flag("--json", options->json, "print the report as one JSON object");
    command->add_flag("--strict", options->strict,
                      "refuse glyphs that must be centred or cut to fit their cell");
    command->callback([&action, options] { action = [options] { return runPatch(*options); }; });
}

}  // namespace cli
