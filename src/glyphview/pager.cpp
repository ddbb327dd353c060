#include "glyphview/pager.h"

#include <string>

#include "runtime/checkedint.h"

namespace glyphview {

std::optional<std::int16_t> DbcsPager::pageStart(std::int16_t start) const {
    if (start < 0) {
        start = 0;
    }
    if (start >= glyphCount_) {
        return std::nullopt;
    }
    return start;
}

std::int16_t DbcsPager::next(std::int16_t pageStart) const {
    return runtime::checkedAdd(pageStart, pageStep_);
}

std::int16_t DbcsPager::previous(std::int16_t pageStart) const {
    return runtime::checkedSub(pageStart, pageStep_);
}

std::int16_t DbcsPager::lastPageStart() const {
    if (glyphCount_ <= 0) {
        return 0;
    }
    const std::int16_t step = dividingStep();
    return runtime::toInt16((glyphCount_ - 1) / step * step);
}

std::int16_t DbcsPager::pageStartOf(std::int32_t index) const {
    const std::int16_t glyph = runtime::toInt16(index);
    const std::int16_t step = dividingStep();
    return runtime::toInt16(glyph / step * step);
}

std::int16_t DbcsPager::dividingStep() const {
    if (pageStep_ <= 0) {
        runtime::raise(runtime::ErrorNumber::InvalidProcedureCall,
                       "page step " + std::to_string(pageStep_));
    }
    return pageStep_;
}

}  // namespace glyphview
