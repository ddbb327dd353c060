#pragma once

#include <QImage>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "bootfont/wholefont.h"
#include "glyphview/textcells.h"

// The boot screen as the boot loader paints it in graphics mode: 640 x 480 pixels, black, text in
// light grey. Its text is kScreenColumns columns of the font's single-byte width (a double-byte
// character takes two) in rows of top pad + height + bottom pad pixels from the top, each glyph
// drawn at its row's top plus the top pad.
namespace glyphview {

inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;
inline constexpr int kScreenColumns = 80;
inline constexpr int kTabStop = 8;

// The header's sizes of the screen's columns and rows.
struct BootLineMetrics {
    int columnWidth;  // the single-byte width
    int topPad;
    int rowHeight;  // top pad + height + bottom pad

    explicit BootLineMetrics(const bootfont::BootFontHeader& header)
        : columnWidth(header.CharacterImageSbcsWidth),
          topPad(header.CharacterTopPad),
          rowHeight(header.CharacterTopPad + header.CharacterImageHeight +
                    header.CharacterBottomPad) {}
    // The same from the header's numbers: the single-byte width, the pads and the glyph height.
    BootLineMetrics(int sbcsWidth, int top, int height, int bottom)
        : columnWidth(sbcsWidth), topPad(top), rowHeight(top + height + bottom) {}
};

// Draws one line of text into a row of `image` whose top is at `top`, as the boot screen sets it:
// each cell from column 0 on, a tab moving on to the next multiple of kTabStop columns, a lacking
// character drawn as its box. With `inverted` the glyphs are cleared from a row the caller filled
// with ink, as a boot menu shows its chosen entry. The line ends before a cell that would pass the
// last column. Returns how many of the cells were drawn (tabs included).
std::size_t drawBootLine(QImage& image, int top, std::span<const TextCell> cells,
                         const BootLineMetrics& metrics, bool inverted = false);

// One row of the boot screen showing `cells`: the screen's width, one row high (pads included),
// light grey on black. The glyph editor's preview of a line.
QImage bootLineImage(std::span<const TextCell> cells, const BootLineMetrics& metrics);

// The screen of `font` showing `lines`, one a row; row `select` (from 1) inverted across the
// screen's width. A line longer than the columns is cut, lines beyond the last row are left out;
// both are counted, with the cells drawn (tabs left out), for the caller to report.
struct BootScreen {
    QImage image;
    std::int64_t longLines = 0;
    std::int64_t linesBelow = 0;
    std::vector<TextCell> drawn;
};
// The number of rows of text a screen of `metrics` holds: 0 when its rows are 0 pixels high.
int bootScreenRows(const BootLineMetrics& metrics);
// Throws PictureError for a font whose rows are 0 pixels high or a `select` outside the rows.
BootScreen bootScreen(const bootfont::WholeFont& font, std::span<const std::u32string> lines,
                      std::optional<int> select);

}  // namespace glyphview
