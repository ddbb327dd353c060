#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "bootfont/bootfontrecords.h"

// What the window hands the glyph editor dialog: the glyph, the area of it the header's size
// covers, what to revert to and what to show around it.
struct GlyphEditRequest {
    bootfont::GlyphTable table = bootfont::GlyphTable::Sbcs;
    int columns = 8;                     // the grid: 1..8 (single-byte) or 1..16 (double-byte)
    int rows = 16;                       // 1..16
    std::vector<std::uint8_t> bitmap;    // the glyph as the window has it: 16 or 32 bytes
    std::vector<std::uint8_t> original;  // as the opened file has it (revert)
    char32_t hexKey = 0;                 // the key of its .hex line
    QString title;                       // the dialog's title
    // The boot-line preview: bitmaps of the glyph and its neighbours in the same table (16 or 32
    // bytes each), `editedCell` the glyph's own place among them, which shows the edited bitmap.
    std::vector<std::vector<std::uint8_t>> line;
    std::size_t editedCell = 0;
    int topPad = 0, bottomPad = 0, height = 16, sbcsWidth = 8;  // header values for BootLineMetrics
};
