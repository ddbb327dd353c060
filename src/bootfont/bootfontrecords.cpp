#include "bootfont/bootfontrecords.h"

namespace bootfont {

std::size_t recordStride(GlyphTable table, std::int32_t count, std::int32_t dataLength) {
    const bool sbcs = table == GlyphTable::Sbcs;
    const std::size_t fixed = sbcs ? kSbcsRecordSize : kDbcsRecordSize;
    if (count < 1 || dataLength < 1 || dataLength % count != 0) {
        return fixed;
    }
    const auto stride = static_cast<std::size_t>(dataLength / count);
    const std::size_t least = sbcs ? kMinSbcsStride : kMinDbcsStride;
    const std::size_t most = sbcs ? kMaxSbcsStride : kMaxDbcsStride;
    return stride >= least && stride <= most ? stride : fixed;
}

}  // namespace bootfont
