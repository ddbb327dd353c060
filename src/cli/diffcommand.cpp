// bootfont diff OLD NEW [--json] [-o PNG] [--scale K]: what differs between two boot fonts, in
// the manner of cmp and diff: quiet and status 0 when they are the same, status 1 when they
// differ, 2 for trouble.
#include <CLI/App.hpp>
#include <CLI/Validators.hpp>
#include <iostream>
#include <memory>

#include "bootfont/codepage.h"
#include "bootfont/fontdiff.h"
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

// One of the two fonts, with the code page that gives characters to its records without a
// Unicode value, opened when the first such record is shown.
class Side {
public:
    Side(std::string file, bootfont::WholeFont font)
        : name_(inputName(file)), font_(std::move(font)) {}

    const std::string& name() const { return name_; }
    const bootfont::WholeFont& font() const { return font_; }

    std::optional<char32_t> character(GlyphTable table, std::size_t index) {
        return table == GlyphTable::Sbcs ? characterOf(font_.sbcsGlyphs[index])
                                         : characterOf(font_.dbcsGlyphs[index]);
    }

private:
    template <typename Record>
    std::optional<char32_t> characterOf(const Record& record) {
        if (record.unicode() == 0 && !codePageOpened_) {
            codePage_ = bootfont::openLanguageCodePage(font_.header.LanguageId);
            codePageOpened_ = true;
        }
        const auto character = bootfont::glyphUnicode(record, codePage_.get());
        return character ? std::optional(character->value) : std::nullopt;
    }

    std::string name_;
    bootfont::WholeFont font_;
    std::unique_ptr<bootfont::CodePage> codePage_;
    bool codePageOpened_ = false;
};

// The font in FILE; a file that is no boot font is trouble here (status 2), since status 1 says
// that the fonts differ.
bootfont::WholeFont readFont(const std::string& file) {
    bootfont::WholeFont font = readFontInput(file);
    if (!font.hasSignature()) {
        failUsage(inputName(file) + ": not a boot font (no signature)");
    }
    return font;
}

// "U+0041 A": the character after its value where it can be shown; control characters and
// surrogates are not.
std::string characterText(std::optional<char32_t> character) {
    if (!character) {
        return "no character";
    }
    const char32_t c = *character;
    const bool shown = c >= 0x20 && !(c >= 0x7F && c <= 0x9F) && !(c >= 0xD800 && c <= 0xDFFF);
    return runtime::codePointText(c) + (shown ? " " + encodeUtf8(c) : "");
}

json characterJson(std::optional<char32_t> character) {
    if (!character) {
        return {{"unicode", nullptr}, {"character", nullptr}};
    }
    return {{"unicode", runtime::codePointText(*character)}, {"character", encodeUtf8(*character)}};
}

std::string fieldText(const bootfont::BootFontHeader& header, const bootfont::HeaderField& field) {
    using bootfont::BootFontHeader;
    if (bootfont::isField(field, &BootFontHeader::DbcsLeadTable)) {
        std::string bytes;
        for (const std::uint8_t byte : header.DbcsLeadTable) {
            bytes += (bytes.empty() ? "" : " ") + runtime::hexCode(byte, 2).substr(2);
        }
        return bytes;
    }
    const std::int64_t value = bootfont::fieldNumber(header, field);
    if (bootfont::isField(field, &BootFontHeader::Signature) ||
        bootfont::isField(field, &BootFontHeader::LanguageId)) {
        return runtime::hexCode(static_cast<std::uint32_t>(value));
    }
    return runtime::decimalText(value);
}

json fieldJson(const bootfont::BootFontHeader& header, const bootfont::HeaderField& field) {
    return bootfont::isField(field, &bootfont::BootFontHeader::DbcsLeadTable)
               ? json(header.DbcsLeadTable)
               : json(bootfont::fieldNumber(header, field));
}

std::string glyphText(const GlyphDifference& glyph, Side& oldSide, Side& newSide) {
    const std::string place = std::string(tableKey(glyph.table)) + " " +
                              runtime::hexCode(glyph.code, bootfont::codeDigits(glyph.table)) + " ";
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
                {"code", runtime::hexCode(glyph.code, bootfont::codeDigits(glyph.table))}};
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
        const bool sbcs = extent->table == GlyphTable::Sbcs;
        reportError(side.name() + ": the " + (sbcs ? "single-byte" : "double-byte") +
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
        std::cout << "header " << field->name << ": " << fieldText(oldSide.font().header, *field)
                  << " -> " << fieldText(newSide.font().header, *field) << '\n';
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
    Side oldSide(options.oldFile, readFont(options.oldFile));
    Side newSide(options.newFile, readFont(options.newFile));
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
