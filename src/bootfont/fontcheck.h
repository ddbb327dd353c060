#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bootfont/wholefont.h"

namespace bootfont {

enum class Severity { Error, Warning, Note };

std::string_view severityName(Severity severity);  // "error", "warning", "note"

// One thing a check found in a file: how bad it is, a short id that stays the same between
// versions (kebab-case, e.g. "sbcs-past-end"), a sentence for people and, where it has one, the
// place: the table, the index of the first record concerned and the file offset.
struct Finding {
    Severity severity = Severity::Error;
    std::string id;
    std::string message;
    std::optional<GlyphTable> table;
    std::optional<std::int64_t> index;
    std::optional<std::int64_t> offset;
};

// Everything that keeps a file from working on a boot screen, or from showing in the viewer:
// the signature; each table's place (past the end of the file, over the header, over the other
// table) and data length; codes out of order or repeated (the boot loader searches the tables);
// double-byte lead bytes against the header's ranges; the records' Unicode values against the
// codes through the language's code page; metrics the boot screen cannot use; counts the viewer
// cannot show. A file that lacks the signature is not checked further. Errors first, in the order
// of the file; never throws on any content.
std::vector<Finding> checkFont(const WholeFont& font);

}  // namespace bootfont
