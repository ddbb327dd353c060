#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "bootfont/bootfontrecords.h"

// Turning a glyph's bitmap into a pixel string: one character code per pixel, '1' (0x31) for ink
// and '0' (0x30) for background, row after row from the top, each byte's most significant bit
// first.
namespace glyphview {

inline constexpr std::uint8_t kInkCode = 0x31;
inline constexpr std::uint8_t kBackgroundCode = 0x30;

using SbcsPixelString = std::array<std::uint8_t, bootfont::kGlyphRows * bootfont::kSbcsGlyphWidth>;
using DbcsPixelString = std::array<std::uint8_t, bootfont::kGlyphRows * bootfont::kDbcsGlyphWidth>;

// The eight base-2 digits of `value`, most significant first: 165 -> "10100101".
std::string ByteToBin(std::uint8_t value);

void GetPixelFromByteArraySBCS(SbcsPixelString& pixels,
                               const std::array<std::uint8_t, bootfont::kGlyphRows>& bitmap);
void GetPixelFromByteArrayDBCS(DbcsPixelString& pixels,
                               const std::array<std::uint8_t, 2 * bootfont::kGlyphRows>& bitmap);

}  // namespace glyphview
