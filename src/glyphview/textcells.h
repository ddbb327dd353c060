#pragma once

#include <QImage>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bootfont/wholefont.h"

// Text as the boot loader sets it: each character a cell holding its glyph, or a box where the
// font lacks it.
namespace glyphview {

// One character of a line of text.
struct TextCell {
    char32_t character = 0;
    int width = 8;                         // 8 for a single-byte code, 16 for a double-byte one
    std::span<const std::uint8_t> bitmap;  // empty when the font lacks the character
};

// The cells of `text` in `font`: each character's code in the code page of the font's language,
// looked up by that code alone as the boot loader does. A character the code page lacks is as
// wide as a double-byte one from U+0100 on. The cells point into `font`.
std::vector<TextCell> textCells(const bootfont::WholeFont& font, const std::u32string& text);

// The characters of `cells` the font lacks: how many cells, and each character once, in order.
struct LackingCharacters {
    std::int64_t cells = 0;
    std::u32string characters;
};
LackingCharacters lackingCharacters(std::span<const TextCell> cells);

// The cells side by side, each as wide as its glyph, in light grey on black, 16 pixels high; a
// lacking character is its box.
QImage textLineImage(std::span<const TextCell> cells);

}  // namespace glyphview
