#include "bootfont/fontdiff.h"

#include <algorithm>
#include <numeric>

namespace bootfont {
namespace {

// The records' indexes ordered by code, repeats in file order: most tables are ascending already,
// and a stable sort keeps the occurrences of a repeated code in the order they are matched.
template <typename Record>
std::vector<std::size_t> byCode(const std::vector<Record>& records) {
    std::vector<std::size_t> order(records.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::ranges::stable_sort(order, {}, [&](std::size_t i) { return records[i].code(); });
    return order;
}

template <typename Record>
void compareTables(GlyphTable table, const std::vector<Record>& oldRecords,
                   const std::vector<Record>& newRecords, std::vector<GlyphDifference>& onlyOld,
                   std::vector<GlyphDifference>& onlyNew, std::vector<GlyphDifference>& changed) {
    const std::vector<std::size_t> oldOrder = byCode(oldRecords);
    const std::vector<std::size_t> newOrder = byCode(newRecords);
    std::size_t o = 0;
    std::size_t n = 0;
    while (o < oldOrder.size() || n < newOrder.size()) {
        const Record* oldRecord = o < oldOrder.size() ? &oldRecords[oldOrder[o]] : nullptr;
        const Record* newRecord = n < newOrder.size() ? &newRecords[newOrder[n]] : nullptr;
        GlyphDifference difference;
        difference.table = table;
        if (oldRecord && (!newRecord || oldRecord->code() < newRecord->code())) {
            difference.code = oldRecord->code();
            difference.change = GlyphChange::OnlyInOld;
            difference.oldIndex = oldOrder[o++];
            onlyOld.push_back(difference);
        } else if (!oldRecord || newRecord->code() < oldRecord->code()) {
            difference.code = newRecord->code();
            difference.change = GlyphChange::OnlyInNew;
            difference.newIndex = newOrder[n++];
            onlyNew.push_back(difference);
        } else {
            difference.code = oldRecord->code();
            difference.bitmapChanged = oldRecord->Bitmap != newRecord->Bitmap;
            difference.unicodeChanged = oldRecord->unicode() != newRecord->unicode();
            difference.oldIndex = oldOrder[o++];
            difference.newIndex = newOrder[n++];
            if (difference.bitmapChanged || difference.unicodeChanged) {
                changed.push_back(difference);
            }
        }
    }
}

}  // namespace

std::size_t FontDifference::count(GlyphChange change) const {
    return static_cast<std::size_t>(std::ranges::count(glyphs, change, &GlyphDifference::change));
}

FontDifference compareFonts(const WholeFont& oldFont, const WholeFont& newFont) {
    FontDifference difference;
    const auto oldBytes = encodeHeader(oldFont.header);
    const auto newBytes = encodeHeader(newFont.header);
    for (const HeaderField& field : kHeaderFields) {
        const auto at = static_cast<std::ptrdiff_t>(field.offset);
        const auto width = static_cast<std::ptrdiff_t>(field.width);
        if (!std::equal(oldBytes.begin() + at, oldBytes.begin() + at + width,
                        newBytes.begin() + at)) {
            difference.headerFields.push_back(&field);
        }
    }
    std::vector<GlyphDifference> onlyOld;
    std::vector<GlyphDifference> onlyNew;
    std::vector<GlyphDifference> changed;
    compareTables(GlyphTable::Sbcs, oldFont.sbcsGlyphs, newFont.sbcsGlyphs, onlyOld, onlyNew,
                  changed);
    compareTables(GlyphTable::Dbcs, oldFont.dbcsGlyphs, newFont.dbcsGlyphs, onlyOld, onlyNew,
                  changed);
    difference.glyphs = std::move(onlyOld);
    difference.glyphs.insert(difference.glyphs.end(), onlyNew.begin(), onlyNew.end());
    difference.glyphs.insert(difference.glyphs.end(), changed.begin(), changed.end());
    return difference;
}

}  // namespace bootfont
