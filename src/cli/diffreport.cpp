#include "cli/diffreport.h"

#include <iostream>

#include "bootfont/valuetext.h"
#include "cli/presentation.h"
#include "runtime/numbertext.h"

namespace cli {

using bootfont::GlyphChange;
using bootfont::GlyphDifference;
using bootfont::GlyphTable;
using nlohmann::json;
using runtime::countText;

DiffSide::DiffSide(std::string name, bootfont::FontFile file)
    : name_(std::move(name)), file_(std::move(file)) {}

std::optional<char32_t> DiffSide::character(GlyphTable table, std::size_t index) const {
    const auto character = file_.glyphCharacter(table, index);
    return character ? std::optional(character->value) : std::nullopt;
}

namespace {

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

std::string glyphText(const GlyphDifference& glyph, const DiffSide& oldSide,
                      const DiffSide& newSide) {
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

json glyphJson(const GlyphDifference& glyph, const DiffSide& oldSide, const DiffSide& newSide) {
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

std::string summary(const bootfont::FontDifference& difference, const DiffSide& oldSide,
                    const DiffSide& newSide) {
    const auto count = [&](GlyphChange change) {
        return static_cast<std::int64_t>(difference.count(change));
    };
    return oldSide.name() + " and " + newSide.name() + " differ: " +
           countText(std::ssize(difference.headerFields), "header field", "header fields") + ", " +
           countText(count(GlyphChange::OnlyInOld), "glyph", "glyphs") + " only in the old font, " +
           runtime::decimalText(count(GlyphChange::OnlyInNew)) + " only in the new, " +
           runtime::decimalText(count(GlyphChange::Changed)) + " changed";
}

}  // namespace

json cutTables(const DiffSide& side, const char* which) {
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

json diffJson(const bootfont::FontDifference& difference, const DiffSide& oldSide,
              const DiffSide& newSide, const json& cut) {
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

void printDiff(const bootfont::FontDifference& difference, const DiffSide& oldSide,
               const DiffSide& newSide) {
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

}  // namespace cli
