#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "bootfont/bootfontrecords.h"

// The texts the window shows for a font's header and its double-byte pages. Pure functions, so
// every text is tested without a window.
namespace viewer {

inline constexpr int kHeaderTextCount = 13;
// Double-byte glyphs per page, both for the page step and for counting pages.
inline constexpr std::int16_t kGlyphsPerPage = 500;

// The language's name for the ids of the fonts Windows XP shipped; any other id as "0x" and its
// upper-case hex digits, so the box never keeps an earlier file's language.
std::string languageText(std::int32_t languageId);

// Each of the 12 lead-table bytes as a space and its upper-case hex digits: " 81 FE 0 0 ...".
std::string leadByteText(const std::array<std::uint8_t, bootfont::kDbcsLeadTableSize>& table);

// The texts of the thirteen header boxes, in box order.
std::array<std::string, kHeaderTextCount> headerTexts(const bootfont::BootFontHeader& header);

// The pages needed for `numDbcsChars` glyphs, 500 a page: 0 for none, 7100 -> 15. Raises the
// overflow error when that is more than 32767.
std::int16_t dbcsPageCount(std::int32_t numDbcsChars);

// The number of the page that starts at glyph `pageStart` (a multiple of 500), from 1.
std::int16_t dbcsPageNumber(std::int16_t pageStart);

// "第 3 / 14 页"
std::string pageIndicatorText(std::int16_t pageNumber, std::int16_t pageCount);

// The indicator after a load: page 1 of the file's pages, or 第 0 / 0 页 when it has none.
std::string afterLoadPageIndicatorText(std::int32_t numDbcsChars);

}  // namespace viewer
