#pragma once

#include <stdexcept>
#include <string>

#include "bootfont/wholefont.h"

namespace cli {

// A file the command cannot read; what() is the file's name, a colon and the reason.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The name of a FILE argument in messages: "standard input" for "-".
std::string inputName(const std::string& file);

// Reads FILE (standard input for "-") leniently as a whole boot font. Raises InputError when it
// cannot be read: missing, not a regular file, a failed read.
bootfont::WholeFont readFontInput(const std::string& file);

}  // namespace cli
