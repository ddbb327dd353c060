#include "glyphview/pagemaths.h"

#include "runtime/checkedint.h"

namespace glyphview {

std::int16_t dbcsPageCount(std::int32_t numDbcsChars) {
    if (numDbcsChars <= 0) {
        return 0;
    }
    // Rounded up in 64 bits, so the sum cannot wrap before the range check.
    return runtime::toInt16((std::int64_t{numDbcsChars} + kGlyphsPerPage - 1) / kGlyphsPerPage);
}

std::int16_t dbcsPageNumber(std::int16_t pageStart) {
    return runtime::roundToInt16(static_cast<double>(pageStart) / kGlyphsPerPage + 1);
}

}  // namespace glyphview
