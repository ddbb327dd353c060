// bootfont find FILE TEXT: for each character, its code, its glyph and where the viewer shows it.
#include <CLI/App.hpp>
#include <algorithm>
#include <cstdint>
#include <iostream>
#include <memory>

#include "bootfont/codepage.h"
#include "bootfont/valuetext.h"
#include "cli/commands.h"
#include "cli/failure.h"
#include "cli/fontglyphs.h"
#include "cli/fontinput.h"
#include "cli/presentation.h"
#include "glyphview/glyphcells.h"
#include "glyphview/pagemaths.h"
#include "glyphview/pager.h"
#include "runtime/numbertext.h"

namespace cli {
namespace {

using runtime::decimalText;

struct FindOptions {
    std::string file;
    std::string text;
};

// Where the viewer draws a glyph: the single-byte view or a double-byte page, row and column
// from 1 as its tooltip counts them.
std::string placeText(const GlyphEntry& glyph, const bootfont::WholeFont& font) {
    const bool sbcs = glyph.table == bootfont::GlyphTable::Sbcs;
    const auto& h = font.header;
    const bootfont::GlyphTableDeclaration& table = bootfont::glyphTable(glyph.table);
    if (h.*table.count > bootfont::kViewerTableLimit) {
        return "a table too large for the viewer";
    }
    const glyphview::DbcsPager pager(h.NumDbcsChars);
    const std::int16_t pageStart =
        sbcs ? 0 : pager.pageStartOf(static_cast<std::int32_t>(glyph.index));
    const std::size_t cell = glyph.index - static_cast<std::size_t>(pageStart);
    std::string where =
        sbcs ? std::string("single-byte view") : "page " + decimalText(pager.pageNumber(pageStart));
    // The window's own cells: it draws a glyph in each, and stops once a wrap has moved below
    // the picture.
    glyphview::GlyphCells cells(h.*table.width, h.CharacterImageHeight, glyphview::kViewWidth,
                                glyphview::kViewHeight);
    for (std::size_t drawn = 1; drawn <= cell; ++drawn) {
        cells.advance();
        if (cells.belowPicture()) {
            return where + ", past the " + decimalText(static_cast<std::int64_t>(drawn)) +
                   " glyphs it shows";
        }
    }
    return where + ", row " + decimalText(cells.row() + 1) + ", column " +
           decimalText(cells.column() + 1);
}

const GlyphEntry* findGlyph(const std::vector<GlyphEntry>& glyphs,
                            const std::optional<std::vector<std::uint8_t>>& code,
                            char32_t character) {
    if (code) {
        const bootfont::GlyphTable table = bootfont::tableOfCodeWidth(code->size());
        const std::uint16_t value = bootfont::codeNumber(*code);
        const auto found = std::ranges::find_if(
            glyphs, [&](const GlyphEntry& g) { return g.table == table && g.code == value; });
        if (found != glyphs.end()) {
            return &*found;
        }
    }
    // A glyph whose record carries the character under another code.
    const auto found =
        std::ranges::find(glyphs, std::optional<char32_t>(character), &GlyphEntry::unicode);
    return found == glyphs.end() ? nullptr : &*found;
}

int runFind(const FindOptions& options) {
    const auto characters = decodeUtf8(options.text);
    if (!characters) {
        failUsage("TEXT is not UTF-8");
    }
    const bootfont::FontFile file = openBootFont(options.file);
    const bootfont::WholeFont& font = file.font();
    const bootfont::CodePage* codePage = file.codePage();
    // The records' own Unicode values: codes are looked up through the code page the other way.
    const auto glyphs = glyphEntries(font, nullptr);
    for (const char32_t character : *characters) {
        const auto code = codePage ? codePage->fromUnicode(character) : std::nullopt;
        std::cout << bootfont::encodeUtf8(character) << ' ' << runtime::codePointText(character)
                  << ": ";
        const GlyphEntry* glyph = findGlyph(glyphs, code, character);
        if (glyph) {
            std::cout << "code " << bootfont::codeText(glyph->code, glyph->table) << ", "
                      << bootfont::glyphTable(glyph->table).name << " index " << glyph->index
                      << ", " << placeText(*glyph, font) << '\n';
        } else if (code) {
            std::cout << "code " << bootfont::codeText(std::uint32_t{bootfont::codeNumber(*code)})
                      << ", not in the font\n";
        } else {
            std::cout << "not in the font"
                      << (codePage ? ", nor in code page " + decimalText(codePage->number()) : "")
                      << '\n';
        }
    }
    return kSuccess;
}

}  // namespace

void addFindCommand(CLI::App& app, CommandAction& action) {
    auto options = std::make_shared<FindOptions>();
    CLI::App* command = app.add_subcommand(
        "find",
        "For each character of TEXT: its code in the file's code page, its index in its table and "
        "where the viewer shows it (view or page, row, column), or that the font lacks it");
    command->add_option("FILE", options->file, "the boot font, - for standard input")->required();
    command->add_option("TEXT", options->text, "the characters to look up (UTF-8)")->required();
    command->callback([&action, options] { action = [options] { return runFind(*options); }; });
}

}  // namespace cli
