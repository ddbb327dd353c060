#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "bootfont/headerfields.h"

// The texts the window shows for a font's header: numbers and names, the same in every language
// of the window. Pure functions, so every text is tested without a window.
namespace viewer {

inline constexpr int kHeaderTextCount = 13;

// The texts of the thirteen header boxes, in box order: every header field but the signature,
// the language by its name, the lead-byte table as the bytes' hex digits, the rest in decimal.
std::array<std::string, kHeaderTextCount> headerTexts(const bootfont::BootFontHeader& header);

// Each of the 12 lead-table bytes as a space and its upper-case hex digits: " 81 FE 0 0 ...".
std::string leadByteText(const bootfont::LeadTable& table);

}  // namespace viewer
