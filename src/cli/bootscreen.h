#pragma once

#include <QImage>
#include <optional>
#include <string>

#include "bootfont/wholefont.h"

namespace cli {

// The boot screen as the boot loader paints it in graphics mode: 640 x 480 pixels, black, text
// in light grey. Its text is kScreenColumns columns of the font's single-byte width (a
// double-byte character takes two) in rows of top pad + height + bottom pad pixels from the top,
// each glyph drawn at its row's top plus the top pad.
inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;
inline constexpr int kScreenColumns = 80;
inline constexpr int kTabStop = 8;
// More than a screen's text could ever hold: a larger file is no screen.
inline constexpr std::size_t kScreenTextLimit = 1024 * 1024;

// The screen of `font` showing the lines of `textFile` (UTF-8, "-" for standard input), one a
// row, tabs to multiples of kTabStop columns; row `select` (from 1) inverted across the screen's
// width, as a boot menu shows its chosen entry. Lines longer than the columns or beyond the last
// row are cut, and characters the font lacks drawn as boxes; each is counted on standard error.
QImage screenImage(const bootfont::WholeFont& font, const std::string& fontName,
                   const std::string& textFile, std::optional<int> select);

}  // namespace cli
