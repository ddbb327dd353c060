#pragma once

#include <string>

#include "bootfont/fontfile.h"

namespace cli {

// The name of a FILE argument in messages: "standard input" for "-".
std::string inputName(const std::string& file);

// Opens FILE (standard input for "-") as a boot font file. Fails with status 2 ("FILE: reason")
// when it cannot be read: missing, not a regular file, a failed read.
bootfont::FontFile openFontInput(const std::string& file);

// As openFontInput, and fails with status 1 when the file lacks the boot font signature.
bootfont::FontFile openBootFont(const std::string& file);

// The bytes of FILE (standard input for "-"), at most `limit` of them. Fails with status 2
// ("FILE: reason") when it cannot be read, is a folder or is longer than `limit` bytes.
std::string readInputText(const std::string& file, std::size_t limit);

}  // namespace cli
