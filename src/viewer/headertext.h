#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "bootfont/headerfields.h"

// The texts the window shows for a font's header: numbers and names, the same in every language
// of the window. Pure functions, so every text is tested without a window.
namespace viewer {

inline constexpr int kHeaderTextCount = 13;

// The texts of the thirteen header boxes, in box order: every header field but the signature, as
// bootfont::windowFieldText writes it (the language by its name, the lead-byte table as the
// bytes' hex digits, the rest in decimal).
std::array<std::string, kHeaderTextCount> headerTexts(const bootfont::BootFontHeader& header);

}  // namespace viewer
