#include "cli/bootscreen.h"

#include <iostream>
#include <string_view>
#include <vector>

#include "cli/failure.h"
#include "cli/fontinput.h"
#include "cli/picture.h"
#include "cli/presentation.h"
#include "runtime/numbertext.h"

namespace cli {

QImage screenImage(const bootfont::WholeFont& font, const std::string& fontName,
                   const std::string& textFile, std::optional<int> select) {
    using runtime::decimalText;
    const auto& h = font.header;
    const int columnWidth = h.CharacterImageSbcsWidth;
    const int rowHeight = h.CharacterTopPad + h.CharacterImageHeight + h.CharacterBottomPad;
    if (columnWidth == 0 || rowHeight == 0) {
        failFile(fontName + ": no screen of text: the font's " +
                 (columnWidth == 0 ? "single-byte width is 0" : "rows are 0 pixels high"));
    }
    const int rows = kScreenHeight / rowHeight;
    if (select && *select > rows) {
        failUsage("--select " + decimalText(*select) + ": the screen has " +
                  runtime::countText(rows, "row", "rows"));
    }
    const std::string textName = inputName(textFile);
    const std::string bytes = readInputText(textFile, kScreenTextLimit);
    std::string_view text = bytes;
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);  // the byte order mark some editors put first
    }

    // The lines that have a row, one after the other, and where each starts.
    std::u32string characters;
    std::vector<std::size_t> lineStarts;
    std::int64_t linesBelow = 0;
    for (std::size_t start = 0, line = 0; start < text.size(); ++line) {
        std::size_t end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end;
        std::string_view lineBytes = text.substr(start, end - start);
        start = end + 1;
        if (lineBytes.ends_with('\r')) {
            lineBytes.remove_suffix(1);
        }
        const auto decoded = decodeUtf8(std::string(lineBytes));
        if (!decoded) {
            failUsage(textName + ": line " + decimalText(static_cast<std::int64_t>(line) + 1) +
                      " is not UTF-8");
        }
        if (line >= static_cast<std::size_t>(rows)) {
            ++linesBelow;
            continue;
        }
        lineStarts.push_back(characters.size());
        characters += *decoded;
    }
    lineStarts.push_back(characters.size());
    const std::vector<TextCell> cells = textCells(font, characters);

    QImage image = twoColourImage(kScreenWidth, kScreenHeight, kBlack, kBootGrey);
    if (select) {
        const int top = (*select - 1) * rowHeight;
        for (int y = top; y < top + rowHeight; ++y) {
            std::fill_n(image.scanLine(y), image.bytesPerLine(), uchar{0xFF});
        }
    }
    std::vector<TextCell> drawn;
    std::int64_t longLines = 0;
    for (std::size_t row = 0; row + 1 < lineStarts.size(); ++row) {
        const int y = static_cast<int>(row) * rowHeight + h.CharacterTopPad;
        const bool inverted = select && static_cast<int>(row) == *select - 1;
        int column = 0;
        for (std::size_t i = lineStarts[row]; i < lineStarts[row + 1]; ++i) {
            const TextCell& cell = cells[i];
            if (cell.character == U'\t') {
                column = (column / kTabStop + 1) * kTabStop;
                continue;
            }
            const int span = cell.width / bootfont::kSbcsGlyphWidth;
            if (column + span > kScreenColumns) {
                ++longLines;
                break;
            }
            const int x = column * columnWidth;
            if (cell.bitmap.empty()) {
                plotMissingBox(image, x, y, cell.width, inverted);
            } else {
                plotBitmap(image, x, y, cell.bitmap, cell.width, inverted);
            }
            drawn.push_back(cell);
            column += span;
        }
    }
    if (longLines > 0) {
        std::cerr << textName << ": cut " << runtime::countText(longLines, "line", "lines")
                  << " longer than " << kScreenColumns << " columns\n";
    }
    if (linesBelow > 0) {
        std::cerr << textName << ": cut " << runtime::countText(linesBelow, "line", "lines")
                  << " below the screen's " << runtime::countText(rows, "row", "rows") << '\n';
    }
    if (const std::string lacking = lackingText(drawn); !lacking.empty()) {
        std::cerr << fontName << ": " << lacking << '\n';
    }
    return image;
}

}  // namespace cli
