#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace cli {

// Writes `contents` to OUT whole or not at all (bootfont::writeFileAtomically): a reader never
// sees half a file, a failure leaves OUT as it was, a file replaced keeps its permissions. "-"
// writes standard output. Fails with status 2, "OUT: reason".
void writeOutputFile(const std::string& out, std::string_view contents);
// The same for a file's bytes (a boot font).
void writeOutputFile(const std::string& out, std::span<const std::uint8_t> bytes);

// Whether OUT names the file INPUT (not standard input or output): the input is never replaced.
bool isSameFile(const std::string& input, const std::string& out);

}  // namespace cli
