#include "glyphview/glyphlayout.h"

#include <algorithm>

#include "bootfont/glyphtables.h"
#include "glyphview/glyphcells.h"
#include "glyphview/pagemaths.h"

namespace glyphview {
namespace {

constexpr int kGap = GlyphCells::kGap;

}  // namespace

void GlyphLayout::start(bootfont::GlyphTable table, int first, int glyphWidth, int glyphHeight) {
    const int columns = bootfont::glyphTable(table).pixelWidth;
    table_ = table;
    first_ = first;
    count_ = 0;
    perRow_ = 0;
    pitchX_ = glyphWidth + kGap;
    pitchY_ = glyphHeight + kGap;
    // A bitmap wider or higher than its cell runs into the next one; that part is the next's.
    boxWidth_ = std::min(columns, pitchX_);
    boxHeight_ = std::min(static_cast<int>(bootfont::kGlyphRows), pitchY_);
}

bool GlyphLayout::boxesWhole() const {
    return boxWidth_ == bootfont::glyphTable(table_).pixelWidth &&
           boxHeight_ == static_cast<int>(bootfont::kGlyphRows);
}

void GlyphLayout::clear() {
    count_ = 0;
}

void GlyphLayout::add(PicturePoint corner) {
    if (perRow_ == 0 && count_ > 0 && corner.y != kGap) {
        perRow_ = count_;
    }
    ++count_;
}

std::optional<GlyphSpot> GlyphLayout::glyphAt(PicturePoint point) const {
    const int x = point.x - kGap;
    const int y = point.y - kGap;
    if (count_ == 0 || x < 0 || y < 0 || x % pitchX_ >= boxWidth_ || y % pitchY_ >= boxHeight_) {
        return std::nullopt;
    }
    const int perRow = this->perRow();
    const int column = x / pitchX_;
    const int row = y / pitchY_;
    if (column >= perRow || row * perRow + column >= count_) {
        return std::nullopt;
    }
    return spot(row, column, perRow);
}

std::optional<GlyphSpot> GlyphLayout::glyph(int index) const {
    const int n = index - first_;
    if (n < 0 || n >= count_) {
        return std::nullopt;
    }
    const int perRow = this->perRow();
    return spot(n / perRow, n % perRow, perRow);
}

GlyphSpot GlyphLayout::spot(int row, int column, int perRow) const {
    GlyphSpot spot;
    spot.table = table_;
    spot.index = first_ + row * perRow + column;
    spot.page = table_ == bootfont::GlyphTable::Dbcs ? first_ / kGlyphsPerPage + 1 : 0;
    spot.row = row;
    spot.column = column;
    spot.box = {kGap + column * pitchX_, kGap + row * pitchY_, boxWidth_, boxHeight_};
    return spot;
}

}  // namespace glyphview
