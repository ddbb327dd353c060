// The drawing of bootfont render, in the helper program bootfont-render: the viewer's pictures
// through the viewer's own drawing, a sheet of every glyph, a line of text and the boot screen
// as the boot loader draws them; then the image enlarged and saved as PNG through Qt's image
// classes. Nothing here needs a QGuiApplication: the images are drawn pixel by pixel
// (picture.h).
#include <QImage>
#include <algorithm>
#include <iostream>
#include <vector>

#include "cli/bootscreen.h"
#include "cli/commands.h"
#include "cli/failure.h"
#include "cli/fontglyphs.h"
#include "cli/fontinput.h"
#include "cli/outputfile.h"
#include "cli/picture.h"
#include "cli/presentation.h"
#include "cli/renderoptions.h"
#include "glyphview/glyphdrawing.h"
#include "glyphview/pagemaths.h"
#include "runtime/numbertext.h"

namespace cli {
namespace {

using bootfont::GlyphTable;
using runtime::decimalText;

// The records the window holds for a table: the file's, then zero records up to the header's
// count, as its loader reads zeros past the end of a file.
template <typename Record>
std::vector<Record> viewerTable(const std::vector<Record>& records, std::int32_t count) {
    std::vector<Record> table(
        records.begin(), records.begin() + std::min<std::ptrdiff_t>(
                                               static_cast<std::ptrdiff_t>(records.size()), count));
    table.resize(static_cast<std::size_t>(count));
    return table;
}

// The window's picture of a table from glyph `first`, drawn by the window's own drawing.
QImage viewImage(const bootfont::WholeFont& font, const std::string& name, GlyphTable table,
                 std::int16_t first) {
    const bool sbcs = table == GlyphTable::Sbcs;
    const bootfont::TableExtent& extent = sbcs ? font.sbcs : font.dbcs;
    const char* tableName = sbcs ? "single-byte" : "double-byte";
    if (!extent.present) {
        failFile(name + ": the font has no " + tableName + " table");
    }
    if (extent.count > bootfont::kViewerTableLimit) {
        failFile(name + ": the viewer does not show a " + tableName +
                 " table of more than 32,767 glyphs");
    }
    const auto& h = font.header;
    QImage image(glyphview::kViewWidth, glyphview::kViewHeight, QImage::Format_RGB32);
    glyphview::GlyphLayout shown;
    if (sbcs) {
        glyphview::drawGlyphs(
            image, kWhite, shown, viewerTable(font.sbcsGlyphs, extent.count),
            {first, extent.count, h.CharacterImageSbcsWidth, h.CharacterImageHeight});
    } else {
        glyphview::drawGlyphs(
            image, kWhite, shown, viewerTable(font.dbcsGlyphs, extent.count),
            {first, extent.count, h.CharacterImageDbcsWidth, h.CharacterImageHeight});
    }
    QImage picture = twoColourImage(image.width(), image.height(), kWhite, kBlack);
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = picture.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (in[x] == kBlack) {
                ink(out, x);
            }
        }
    }
    return picture;
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

// The sheet: 16 glyphs a row in cells of 18 x 18 pixels, the single-byte table's rows first, a
// blank row, then the double-byte table's; left of each row the code of its first glyph in hex
// digits of 3 x 5 pixels drawn twice as large.
constexpr int kSheetColumns = 16;
constexpr int kSheetCell = 18;
constexpr int kSheetMargin = 4;
constexpr int kLabelWidth = 4 * kLabelDigitAdvance + 4;
constexpr int kLabelTop = (16 - kLabelHeight) / 2;

QImage sheetImage(const bootfont::WholeFont& font) {
    const std::vector<GlyphEntry> glyphs = glyphEntries(font, nullptr);
    const auto rowsOf = [](std::size_t count) {
        return static_cast<int>((count + kSheetColumns - 1) / kSheetColumns);
    };
    const int sbcsRows = rowsOf(font.sbcsGlyphs.size());
    const int dbcsRows = rowsOf(font.dbcsGlyphs.size());
    const int rows = sbcsRows + dbcsRows + (sbcsRows > 0 && dbcsRows > 0 ? 1 : 0);
    const int left = kSheetMargin + kLabelWidth;
    QImage image =
        twoColourImage(left + kSheetColumns * kSheetCell + kSheetMargin,
                       2 * kSheetMargin + std::max(rows, 1) * kSheetCell, kWhite, kBlack);
    for (const GlyphEntry& glyph : glyphs) {
        const bool sbcs = glyph.table == GlyphTable::Sbcs;
        const int row =
            static_cast<int>(glyph.index) / kSheetColumns + (sbcs ? 0 : rows - dbcsRows);
        const int column = static_cast<int>(glyph.index) % kSheetColumns;
        const int y = kSheetMargin + row * kSheetCell + 1;
        if (column == 0) {
            drawLabel(image, kSheetMargin, y + kLabelTop, glyph.code, glyph.codeDigits());
        }
        plotBitmap(image, left + column * kSheetCell + 1, y, glyph.bitmap, glyph.width);
    }
    return image;
}

QImage textImage(const bootfont::WholeFont& font, const std::string& name,
                 const std::string& text) {
    const auto characters = decodeUtf8(text);
    if (!characters || characters->empty()) {
        failUsage("--text: TEXT is empty or not UTF-8");
    }
    const std::vector<TextCell> cells = textCells(font, *characters);
    int width = 0;
    for (const TextCell& cell : cells) {
        width += cell.width;
    }
    QImage image = twoColourImage(width, static_cast<int>(bootfont::kGlyphRows), kBlack, kBootGrey);
    int x = 0;
    for (const TextCell& cell : cells) {
        if (cell.bitmap.empty()) {
            plotMissingBox(image, x, 0, cell.width);
        } else {
            plotBitmap(image, x, 0, cell.bitmap, cell.width);
        }
        x += cell.width;
    }
    if (const std::string lacking = lackingText(cells); !lacking.empty()) {
        std::cerr << name << ": " << lacking << '\n';
    }
    return image;
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
    const bootfont::WholeFont font = readBootFont(options.file);
    const QImage image = options.sbcs     ? viewImage(font, name, GlyphTable::Sbcs, 0)
                         : options.page   ? pageImage(font, name, *options.page)
                         : options.text   ? textImage(font, name, *options.text)
                         : options.screen ? screenImage(font, name, *options.screen, options.select)
                                          : sheetImage(font);
    writeOutputFile(options.out, pngBytes(enlarged(image, options.scale)));
    return kSuccess;
}

}  // namespace cli
