#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "bootfont/fontdiff.h"
#include "bootfont/fontfile.h"

// The report of what differs between two boot fonts, as diff prints it and patch prints what it
// changes: text lines, or one JSON object.
namespace cli {

// One of the two fonts and the name it goes by in the report.
class DiffSide {
public:
    DiffSide(std::string name, bootfont::FontFile file);

    const std::string& name() const { return name_; }
    const bootfont::FontFile& file() const { return file_; }
    const bootfont::WholeFont& font() const { return file_.font(); }

    // The record's character; the file opens its code page for the first record without one.
    std::optional<char32_t> character(bootfont::GlyphTable table, std::size_t index) const;

private:
    std::string name_;
    bootfont::FontFile file_;
};

// The tables a font holds only in part, each said on standard error (only their whole records
// are compared), and their JSON: {"font": which, "table", "count", "recordsInFile"}.
nlohmann::json cutTables(const DiffSide& side, const char* which);

// The header fields that differ, then each glyph that does, then the summary, a line each.
void printDiff(const bootfont::FontDifference& difference, const DiffSide& oldSide,
               const DiffSide& newSide);

// The same as one object, with the JSON of the cut tables.
nlohmann::json diffJson(const bootfont::FontDifference& difference, const DiffSide& oldSide,
                        const DiffSide& newSide, const nlohmann::json& cut);

}  // namespace cli
