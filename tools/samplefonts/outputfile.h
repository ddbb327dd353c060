#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace samplefonts {

// Writes `bytes` to `path`, creating its folder. The bytes go to a temporary file beside it that
// is renamed into place, so a failed run leaves the earlier file or none, never a partial one.
void writeOutputFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace samplefonts
