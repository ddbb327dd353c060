#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "bootfont/bootfontrecords.h"

struct GlyphEditRequest {
    bootfont::GlyphTable table = bootfont::GlyphTable::Sbcs;
    int columns = 8;
    int rows = 16;
    std::vector<std::uint8_t> bitmap;
    std::vector<std::uint8_t> original;
    char32_t hexKey = 0;
    QString title;
    std::vector<std::vector<std::uint8_t>> line;
    std::size_t editedCell = 0;
    int topPad = 0, bottomPad = 0, height = 16, sbcsWidth = 8;
};
