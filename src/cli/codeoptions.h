#pragma once

#include <string>
#include <vector>

#include "bootfont/characterset.h"

namespace cli {

// A number an option gives: hex after 0x, else decimal (a leading zero does not make octal).
// Fails with status 2, "WHAT 'TEXT' is no number from 0 to LIMIT", when it is none or too large.
unsigned numberOption(const std::string& text, const std::string& what, unsigned limit);

// The codes options give, each "0xA1A1-0xA1FE" or one code, none above `limit`. Fails with status
// 2 as numberOption does, and for a range that ends before it starts.
std::vector<bootfont::CodeRange> codeRanges(const std::vector<std::string>& texts,
                                            const std::string& option, unsigned limit);

// Whether `code` lies in one of `ranges`.
bool inCodeRanges(const std::vector<bootfont::CodeRange>& ranges, unsigned code);

}  // namespace cli
