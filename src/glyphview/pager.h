#pragma once

#include <cstdint>
#include <optional>

#include "glyphview/pagemaths.h"

namespace glyphview {

// The double-byte pages of a font as the viewer turns them: a page starts at a multiple of the
// page step and shows the glyphs from there on. Starts are signed 16-bit, and every sum,
// difference and narrowing raises the overflow error rather than wrap. Page numbers and the page
// count are the ones of pagemaths.h, 500 glyphs a page whatever the step.
class DbcsPager {
public:
    // A font of `glyphCount` double-byte glyphs turned `pageStep` (more than 0) glyphs at a time.
    explicit DbcsPager(std::int32_t glyphCount, std::int16_t pageStep = kGlyphsPerPage)
        : glyphCount_(glyphCount), pageStep_(pageStep) {}

    // The start that a request to show the page from `start` shows: 0 for a negative one; none
    // when it is at or past the last glyph, so the page on show stays.
    std::optional<std::int16_t> pageStart(std::int16_t start) const;
    // The starts one step after and before `pageStart`; past either end pageStart() refuses them.
    std::int16_t next(std::int16_t pageStart) const;
    std::int16_t previous(std::int16_t pageStart) const;
    // The start of the page that holds the last glyph; 0 without glyphs.
    std::int16_t lastPageStart() const;
    // The start of the page that holds glyph `index`.
    std::int16_t pageStartOf(std::int32_t index) const;

    std::int16_t pageNumber(std::int16_t pageStart) const { return dbcsPageNumber(pageStart); }
    std::int16_t pageCount() const { return dbcsPageCount(glyphCount_); }

private:
    // The step, where it divides: a step of 0 or less raises the invalid-call error, not a crash.
    std::int16_t dividingStep() const;

    std::int32_t glyphCount_;
    std::int16_t pageStep_;
};

}  // namespace glyphview
