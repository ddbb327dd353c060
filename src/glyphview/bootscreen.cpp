#include "glyphview/bootscreen.h"

#include <algorithm>
#include <iterator>

#include "glyphview/pictureerror.h"
#include "glyphview/twocolourpicture.h"
#include "runtime/numbertext.h"

namespace glyphview {

std::size_t drawBootLine(QImage& image, int top, std::span<const TextCell> cells,
                         const BootLineMetrics& metrics, bool inverted) {
    const int y = top + metrics.topPad;
    int column = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const TextCell& cell = cells[i];
        if (cell.character == U'\t') {
            column = (column / kTabStop + 1) * kTabStop;
            continue;
        }
        const int span = cell.width / bootfont::kSbcsGlyphWidth;
        if (column + span > kScreenColumns) {
            return i;
        }
        const int x = column * metrics.columnWidth;
        if (cell.bitmap.empty()) {
            drawMissingBox(image, x, y, cell.width, inverted);
        } else {
            drawBitmap(image, x, y, cell.bitmap, cell.width, inverted);
        }
        column += span;
    }
    return cells.size();
}

QImage bootLineImage(std::span<const TextCell> cells, const BootLineMetrics& metrics) {
    QImage image = twoColourImage(kScreenWidth, metrics.rowHeight, kBlack, kBootGrey);
    drawBootLine(image, 0, cells, metrics);
    return image;
}

int bootScreenRows(const BootLineMetrics& metrics) {
    return metrics.rowHeight > 0 ? kScreenHeight / metrics.rowHeight : 0;
}

BootScreen bootScreen(const bootfont::WholeFont& font, std::span<const std::u32string> lines,
                      std::optional<int> select) {
    const BootLineMetrics metrics(font.header);
    const int rows = bootScreenRows(metrics);
    if (rows == 0) {
        throw PictureError("no screen of text: the font's rows are 0 pixels high");
    }
    if (select && (*select < 1 || *select > rows)) {
        throw PictureError("no row " + runtime::decimalText(*select) + ": the screen has " +
                           runtime::countText(rows, "row", "rows"));
    }
    BootScreen screen;
    const std::size_t shown = std::min(lines.size(), static_cast<std::size_t>(rows));
    screen.linesBelow = static_cast<std::int64_t>(lines.size() - shown);

    // The cells of every line shown at once: the lookup of codes is made once for the screen.
    std::u32string characters;
    std::vector<std::size_t> lineStarts;
    for (std::size_t row = 0; row < shown; ++row) {
        lineStarts.push_back(characters.size());
        characters += lines[row];
    }
    lineStarts.push_back(characters.size());
    const std::vector<TextCell> cells = textCells(font, characters);

    screen.image = twoColourImage(kScreenWidth, kScreenHeight, kBlack, kBootGrey);
    if (select) {
        const int top = (*select - 1) * metrics.rowHeight;
        for (int y = top; y < top + metrics.rowHeight; ++y) {
            std::fill_n(screen.image.scanLine(y), screen.image.bytesPerLine(), uchar{0xFF});
        }
    }
    for (std::size_t row = 0; row < shown; ++row) {
        const auto line =
            std::span(cells).subspan(lineStarts[row], lineStarts[row + 1] - lineStarts[row]);
        const bool inverted = select && static_cast<int>(row) == *select - 1;
        const std::size_t drawn = drawBootLine(
            screen.image, static_cast<int>(row) * metrics.rowHeight, line, metrics, inverted);
        if (drawn < line.size()) {
            ++screen.longLines;
        }
        std::ranges::copy_if(line.first(drawn), std::back_inserter(screen.drawn),
                             [](const TextCell& cell) { return cell.character != U'\t'; });
    }
    return screen;
}

}  // namespace glyphview
