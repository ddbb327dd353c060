#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "bootfont/headerfields.h"

// The texts the window shows for a font's header and its double-byte pages. Pure functions, so
// every text is tested without a window.
namespace viewer {

inline constexpr int kHeaderTextCount = 13;

// The texts of the thirteen header boxes, in box order: every header field but the signature,
// the language by its name, the lead-byte table as the bytes' hex digits, the rest in decimal.
std::array<std::string, kHeaderTextCount> headerTexts(const bootfont::BootFontHeader& header);

// Each of the 12 lead-table bytes as a space and its upper-case hex digits: " 81 FE 0 0 ...".
std::string leadByteText(const bootfont::LeadTable& table);

// "第 3 / 14 页"
std::string pageIndicatorText(std::int16_t pageNumber, std::int16_t pageCount);

// The indicator after a load: page 1 of the file's pages, or 第 0 / 0 页 when it has none.
std::string afterLoadPageIndicatorText(std::int32_t numDbcsChars);

}  // namespace viewer
