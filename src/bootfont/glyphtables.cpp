#include "bootfont/glyphtables.h"

namespace bootfont {

std::size_t recordStride(GlyphTable table, std::int32_t count, std::int32_t dataLength) {
    const GlyphTableDeclaration& declared = glyphTable(table);
    if (count < 1 || dataLength < 1 || dataLength % count != 0) {
        return declared.fixedStride();
    }
    const auto stride = static_cast<std::size_t>(dataLength / count);
    return stride >= declared.minStride() && stride <= declared.maxStride ? stride
                                                                          : declared.fixedStride();
}

}  // namespace bootfont
