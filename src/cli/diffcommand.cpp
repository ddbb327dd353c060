// bootfont diff OLD NEW [--json] [-o PNG] [--scale K]: what differs between two boot fonts, in
// the manner of cmp and diff: quiet and status 0 when they are the same, status 1 when they
// differ, 2 for trouble.
#include <CLI/App.hpp>
#include <CLI/Validators.hpp>
#include <iostream>
#include <memory>

#include "bootfont/fontdiff.h"
#include "cli/commands.h"
#include "cli/diffoptions.h"
#include "cli/diffreport.h"
#include "cli/failure.h"
#include "cli/fontinput.h"
#include "cli/outputfile.h"
#include "cli/presentation.h"
#include "runtime/numbertext.h"

namespace cli {
namespace {

using bootfont::GlyphChange;
using bootfont::GlyphDifference;
using nlohmann::json;

// One of the two fonts. A file that is no boot font is trouble here (status 2), since status 1
// says that the fonts differ.
DiffSide openSide(const std::string& file) {
    DiffSide side(inputName(file), openFontInput(file));
    if (!side.font().hasSignature()) {
        failUsage(side.name() + ": not a boot font (no signature)");
    }
    return side;
}

void refuseOutput(const DiffOptions& options) {
    if (options.picture == "-") {
        failUsage("-o -: the report goes to standard output; name a PNG file");
    }
    for (const std::string* input : {&options.oldFile, &options.newFile}) {
        if (isSameFile(*input, options.picture)) {
            failUsage(options.picture + ": is an input file; choose another output");
        }
    }
}

}  // namespace

int runDiff(const DiffOptions& options, DiffPicture picture) {
    if (options.oldFile == "-" && options.newFile == "-") {
        failUsage("OLD and NEW cannot both be standard input");
    }
    if (!options.picture.empty()) {
        refuseOutput(options);
    }
    const DiffSide oldSide = openSide(options.oldFile);
    const DiffSide newSide = openSide(options.newFile);
    const bootfont::FontDifference difference =
        bootfont::compareFonts(oldSide.font(), newSide.font());

    json cut = cutTables(oldSide, "old");
    for (json& table : cutTables(newSide, "new")) {
        cut.push_back(std::move(table));
    }
    if (!options.picture.empty() && picture) {
        std::vector<GlyphDifference> changed;
        std::ranges::copy_if(
            difference.glyphs, std::back_inserter(changed),
            [](const GlyphDifference& g) { return g.change == GlyphChange::Changed; });
        writeOutputFile(options.picture,
                        picture(oldSide.font(), newSide.font(), changed, options.scale));
        if (changed.size() > kDiffPictureLimit) {
            reportError(options.picture + ": the first " +
                        runtime::decimalText(static_cast<std::int64_t>(kDiffPictureLimit)) +
                        " changed glyphs drawn; " +
                        runtime::decimalText(
                            static_cast<std::int64_t>(changed.size() - kDiffPictureLimit)) +
                        " more left out");
        }
    }

    if (options.json) {
        printJson(std::cout, diffJson(difference, oldSide, newSide, cut));
    } else if (!difference.same()) {
        printDiff(difference, oldSide, newSide);
    }
    // As cmp and diff: 1 says that the fonts differ.
    return difference.same() ? kSuccess : kFileHasErrors;
}

void addDiffCommand(CLI::App& app, CommandAction& action, DiffAction diff) {
    auto options = std::make_shared<DiffOptions>();
    CLI::App* command = app.add_subcommand(
        "diff",
        "Compare two boot fonts: the header fields that differ, then the glyphs only in OLD, only "
        "in NEW and changed (bitmap or Unicode value), matched by table and code, and a summary; "
        "quiet when they are the same. Exit status 0 same, 1 different, 2 trouble");
    command->add_option("OLD", options->oldFile, "the old boot font, - for standard input")
        ->required();
    command->add_option("NEW", options->newFile, "the new boot font, - for standard input")
        ->required();
    command->add_flag("--json", options->json, "print one JSON object instead of text");
    command
        ->add_option("-o,--output", options->picture,
                     "a PNG of the changed glyphs, old | new side by side, each labelled with its "
                     "code (the first 1024)")
        ->type_name("PNG");
    command->add_option("--scale", options->scale, "enlarge the PNG by K whole pixels (1 to 16)")
        ->check(CLI::Range(1, 16));
    command->callback(
        [&action, options, diff] { action = [options, diff] { return diff(*options); }; });
}

}  // namespace cli
