#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace samplefonts {

struct ByteRange {
    std::uint8_t first = 0;
    std::uint8_t last = 0;
};

// What one sample boot font holds: the characters of a code page whose codes lie in these ranges,
// the single-byte ones as they are and the double-byte ones as every lead byte with every trail
// byte. The lead ranges are also the file's lead-byte table.
struct SampleFontDefinition {
    std::string_view name;      // the file is bootfont-<name>.bin
    std::string_view codePage;  // iconv's name of the code page
    std::int32_t languageId = 0;
    std::vector<ByteRange> sbcsRanges;
    std::vector<ByteRange> leadRanges;
    std::vector<ByteRange> trailRanges;
};

std::span<const SampleFontDefinition> sampleFontDefinitions();
// The definition called `name`, or nullptr.
const SampleFontDefinition* findSampleFont(std::string_view name);

}  // namespace samplefonts
