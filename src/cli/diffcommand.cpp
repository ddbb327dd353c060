// bootfont diff OLD NEW [--json] [-o PNG] [--scale K]: what differs between two boot fonts, in
// the manner of cmp and diff: quiet and status 0 when they are the same, status 1 when they
// differ, 2 for trouble.
#include <CLI/App.hpp>
#include <CLI/Validators.hpp>
#include <iostream>
#include <memory>

#include "bootfont/fontdiff.h"
#include "bootfont/valuetext.h"
#include "cli/commands.h"
#include "cli/diffoptions.h"
#include "cli/failure.h"
#include "cli/fontinput.h"
#include "cli/outputfile.h"
#include "cli/presentation.h"
#include "runtime/numbertext.h"

namespace cli {
namespace {

using bootfont::GlyphChange;
using bootfont::GlyphDifference;
using bootfont::GlyphTable;
using nlohmann::json;
using runtime::countText;

// One of the two fonts and the name it goes by. A file that is no boot font is trouble here
// (status 2), since status 1 says that the fonts differ.
class Side {
public:
    explicit Side(const std::string& file) : name_(inputName(file)), file_(openFontInput(file)) {
        if (!font().hasSignature()) {
            failUsage(name_ + ": not a boot font (no signature)");
        }
    }

    const std::string& name() const { return name_; }
    const bootfont::WholeFont& font() const { return file_.font(); }

    // The record's character; the file opens its code page for the first record without one.
    std::optional<char32_t> character(GlyphTable table, std::size_t index) const {
        const auto character = file_.glyphCharacter(table, index);
        return character ? std::optional(character->value) : std::nullopt;
    }

private:
    std::string name_;
    bootfont::FontFile file_;
};

// "U+0041 A": the character after its value where it is printable.
std::string characterText(std::optional<char32_t> character) {
    return character ? bootfont::characterText(*character) : "no character";
}

json characterJson(std::optional<char32_t> character) {
    if (!character) {
        return {{"unicode", nullptr}, {"character", nullptr}};
    }
    return {{"unicode", runtime::codePointText(*character)},
            {"character", bootfont::encodeUtf8(*character)}};
}

std::string glyphText(const GlyphDifference& glyph, Side& oldSide, Side& newSide) {
    const std::string place =
        tableKey(glyph.table) + " " + bootfont::codeText(glyph.code, glyph.table) + " ";
    switch (glyph.change) {
        case GlyphChange::OnlyInOld:
            return "only in old: " + place +
                   characterText(oldSide.character(glyph.table, glyph.oldIndex));
        case GlyphChange::OnlyInNew:
            return "only in new: " + place +
                   characterText(newSide.character(glyph.table, glyph.newIndex));
        case GlyphChange::Changed:
            break;
    }
    const std::string before = characterText(oldSide.character(glyph.table, glyph.oldIndex));
    const std::string after = characterText(newSide.character(glyph.table, glyph.newIndex));
    return "changed: " + place + before + (after == before ? "" : " -> " + after) + ": " +
           (glyph.bitmapChanged ? "bitmap" : "") +
           (glyph.bitmapChanged && glyph.unicodeChanged ? ", " : "") +
           (glyph.unicodeChanged ? "Unicode value" : "");
}

json glyphJson(const GlyphDifference& glyph, Side& oldSide, Side& newSide) {
    json out = {{"table", tableKey(glyph.table)},
                {"code", bootfont::codeText(glyph.code, glyph.table)}};
    if (glyph.change == GlyphChange::Changed) {
        out["bitmapChanged"] = glyph.bitmapChanged;
        out["unicodeChanged"] = glyph.unicodeChanged;
        out["old"] = characterJson(oldSide.character(glyph.table, glyph.oldIndex));
        out["new"] = characterJson(newSide.character(glyph.table, glyph.newIndex));
    } else {
        const bool old = glyph.change == GlyphChange::OnlyInOld;
        out.update(old ? characterJson(oldSide.character(glyph.table, glyph.oldIndex))
                       : characterJson(newSide.character(glyph.table, glyph.newIndex)));
    }
    return out;
}

// The tables a font holds only in part, each said on standard error: only their whole records
// are compared.
json cutTables(const Side& side, const char* which) {
    json cut = json::array();
    for (const bootfont::TableExtent* extent : {&side.font().sbcs, &side.font().dbcs}) {
        if (!extent->cut()) {
            continue;
        }
        reportError(side.name() + ": the " + std::string(bootfont::glyphTable(extent->table).name) +
                    " table runs past the end of the file; " +
                    runtime::decimalText(extent->recordsInFile) + " of its " +
                    countText(extent->count, "record", "records") + " compared");
        cut.push_back({{"font", which},
                       {"table", tableKey(extent->table)},
                       {"count", extent->count},
                       {"recordsInFile", extent->recordsInFile}});
    }
    return cut;
}

std::string summary(const bootfont::FontDifference& difference, const Side& oldSide,
                    const Side& newSide) {
    const auto count = [&](GlyphChange change) {
        return static_cast<std::int64_t>(difference.count(change));
    };
    return oldSide.name() + " and " + newSide.name() + " differ: " +
           countText(std::ssize(difference.headerFields), "header field", "header fields") + ", " +
           countText(count(GlyphChange::OnlyInOld), "glyph", "glyphs") + " only in the old font, " +
           runtime::decimalText(count(GlyphChange::OnlyInNew)) + " only in the new, " +
           runtime::decimalText(count(GlyphChange::Changed)) + " changed";
}

json diffJson(const bootfont::FontDifference& difference, Side& oldSide, Side& newSide,
              const json& cut) {
    json header = json::array();
    for (const bootfont::HeaderField* field : difference.headerFields) {
        header.push_back({{"field", field->name},
                          {"old", fieldJson(oldSide.font().header, *field)},
                          {"new", fieldJson(newSide.font().header, *field)}});
    }
    json out = {{"old", oldSide.name()},      {"new", newSide.name()},
                {"same", difference.same()},  {"headerFields", header},
                {"onlyInOld", json::array()}, {"onlyInNew", json::array()},
                {"changed", json::array()},   {"cutTables", cut}};
    for (const GlyphDifference& glyph : difference.glyphs) {
        const char* key = glyph.change == GlyphChange::OnlyInOld   ? "onlyInOld"
                          : glyph.change == GlyphChange::OnlyInNew ? "onlyInNew"
                                                                   : "changed";
        out[key].push_back(glyphJson(glyph, oldSide, newSide));
    }
    return out;
}

void printDiff(const bootfont::FontDifference& difference, Side& oldSide, Side& newSide) {
    for (const bootfont::HeaderField* field : difference.headerFields) {
        std::cout << "header " << field->name << ": "
                  << bootfont::fieldText(oldSide.font().header, *field) << " -> "
                  << bootfont::fieldText(newSide.font().header, *field) << '\n';
    }
    for (const GlyphDifference& glyph : difference.glyphs) {
        std::cout << glyphText(glyph, oldSide, newSide) << '\n';
    }
    std::cout << summary(difference, oldSide, newSide) << '\n';
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
    Side oldSide(options.oldFile);
    Side newSide(options.newFile);
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
