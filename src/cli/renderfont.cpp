// bootfont render, in the helper program bootfont-render: its options, files and messages. The
// pictures (the window's views through the window's own drawing, a sheet of every glyph, a line of
// text and the boot screen as the boot loader draws them) come from the glyph-view library; here
// they are enlarged and saved as PNG. Nothing here needs a QGuiApplication: the images are drawn
// pixel by pixel.
#include <QImage>
#include <iostream>
#include <string_view>
#include <vector>

#include "bootfont/glyphtables.h"
#include "cli/commands.h"
#include "cli/failure.h"
#include "cli/fontinput.h"
#include "cli/outputfile.h"
#include "cli/presentation.h"
#include "cli/renderoptions.h"
#include "glyphview/bootscreen.h"
#include "glyphview/pagemaths.h"
#include "glyphview/tablepictures.h"
#include "glyphview/textcells.h"
#include "glyphview/twocolourpicture.h"
#include "runtime/numbertext.h"

namespace cli {
namespace {

using bootfont::GlyphTable;
using runtime::countText;
using runtime::decimalText;

QImage viewImage(const bootfont::WholeFont& font, const std::string& name, GlyphTable table,
                 std::int16_t first) {
    const bootfont::TableExtent& extent = font.extent(table);
    const std::string tableName(bootfont::glyphTable(table).name);
    if (!extent.present) {
        failFile(name + ": the font has no " + tableName + " table");
    }
    if (extent.count > bootfont::kViewerTableLimit) {
        failFile(name + ": the viewer does not show a " + tableName +
                 " table of more than 32,767 glyphs");
    }
    return glyphview::viewPicture(font, table, first);
}

QImage pageImage(const bootfont::WholeFont& font, const std::string& name, int page) {
    if (font.dbcs.present && font.dbcs.count <= bootfont::kViewerTableLimit) {
        const int pages = glyphview::dbcsPageCount(font.dbcs.count);
        if (page > pages) {
            failUsage(name + ": --page " + decimalText(page) + ": the font has " +
                      decimalText(pages) + " pages");
        }
    }
    return viewImage(font, name, GlyphTable::Dbcs,
                     static_cast<std::int16_t>((page - 1) * glyphview::kGlyphsPerPage));
}

// On standard error, "FONT: the font lacks 1 of the 3 characters: 文 (U+6587)" when the font
// lacks any of the characters drawn.
void reportLacking(const std::string& fontName, std::span<const glyphview::TextCell> cells) {
    const glyphview::LackingCharacters lacking = glyphview::lackingCharacters(cells);
    if (lacking.cells == 0) {
        return;
    }
    std::cerr << fontName << ": the font lacks " << decimalText(lacking.cells) << " of the "
              << countText(std::ssize(cells), "character", "characters") << ":";
    for (const char32_t character : lacking.characters) {
        std::cerr << " " << encodeUtf8(character) << " (" << runtime::codePointText(character)
                  << ")";
    }
    std::cerr << '\n';
}

QImage textImage(const bootfont::WholeFont& font, const std::string& name,
                 const std::string& text) {
    const auto characters = decodeUtf8(text);
    if (!characters || characters->empty()) {
        failUsage("--text: TEXT is empty or not UTF-8");
    }
    const std::vector<glyphview::TextCell> cells = glyphview::textCells(font, *characters);
    QImage image = glyphview::textLineImage(cells);
    reportLacking(name, cells);
    return image;
}

// The screen of `font` showing the lines of `textFile` (UTF-8, "-" for standard input), one a
// row, and on standard error what it cut and what the font lacks.
QImage screenImage(const bootfont::WholeFont& font, const std::string& fontName,
                   const std::string& textFile, std::optional<int> select) {
    const glyphview::BootLineMetrics metrics(font.header);
    if (metrics.columnWidth == 0 || metrics.rowHeight == 0) {
        failFile(fontName + ": no screen of text: the font's " +
                 (metrics.columnWidth == 0 ? "single-byte width is 0" : "rows are 0 pixels high"));
    }
    const int rows = glyphview::bootScreenRows(metrics);
    if (select && *select > rows) {
        failUsage("--select " + decimalText(*select) + ": the screen has " +
                  countText(rows, "row", "rows"));
    }
    const std::string textName = inputName(textFile);
    // More than a screen's text could ever hold: a larger file is no screen.
    constexpr std::size_t kScreenTextLimit = 1024 * 1024;
    const std::string bytes = readInputText(textFile, kScreenTextLimit);
    std::string_view text = bytes;
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);  // the byte order mark some editors put first
    }
    std::vector<std::u32string> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end;
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        auto decoded = decodeUtf8(std::string(line));
        if (!decoded) {
            failUsage(textName + ": line " + decimalText(std::ssize(lines) + 1) + " is not UTF-8");
        }
        lines.push_back(std::move(*decoded));
    }

    const glyphview::BootScreen screen = glyphview::bootScreen(font, lines, select);
    if (screen.longLines > 0) {
        std::cerr << textName << ": cut " << countText(screen.longLines, "line", "lines")
                  << " longer than " << glyphview::kScreenColumns << " columns\n";
    }
    if (screen.linesBelow > 0) {
        std::cerr << textName << ": cut " << countText(screen.linesBelow, "line", "lines")
                  << " below the screen's " << countText(rows, "row", "rows") << '\n';
    }
    reportLacking(fontName, screen.drawn);
    return screen.image;
}

}  // namespace

int renderFont(const RenderOptions& options) {
    if (isSameFile(options.file, options.out)) {
        failUsage(options.out + ": is the input file; choose another output");
    }
    if (options.screen && isSameFile(*options.screen, options.out)) {
        failUsage(options.out + ": is the --screen file; choose another output");
    }
    if (options.file == "-" && options.screen == "-") {
        failUsage("FILE and --screen cannot both be standard input");
    }
    const std::string name = inputName(options.file);
    const bootfont::FontFile file = openBootFont(options.file);
    const bootfont::WholeFont& font = file.font();
    const QImage image = options.sbcs     ? viewImage(font, name, GlyphTable::Sbcs, 0)
                         : options.page   ? pageImage(font, name, *options.page)
                         : options.text   ? textImage(font, name, *options.text)
                         : options.screen ? screenImage(font, name, *options.screen, options.select)
                                          : glyphview::sheetPicture(font);
    writeOutputFile(options.out, glyphview::pngBytes(glyphview::enlarged(image, options.scale)));
    return kSuccess;
}

}  // namespace cli
