#pragma once

#include <string>
#include <string_view>

namespace cli {

// Writes `contents` to OUT whole or not at all: to a temporary file in OUT's folder that is then
// renamed over OUT, so a reader never sees half a file and a failure leaves OUT as it was. "-"
// writes standard output. Fails with status 2, "OUT: reason".
void writeOutputFile(const std::string& out, std::string_view contents);

// Whether OUT names the file INPUT (not standard input or output): the input is never replaced.
bool isSameFile(const std::string& input, const std::string& out);

}  // namespace cli
