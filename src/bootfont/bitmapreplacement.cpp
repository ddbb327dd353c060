#include "bootfont/bitmapreplacement.h"

#include <algorithm>
#include <string>

#include "bootfont/bootfonterror.h"
#include "runtime/numbertext.h"

namespace bootfont {

std::vector<std::uint8_t> replaceBitmaps(const FontFile& file,
                                         std::span<const BitmapChange> changes) {
    std::vector<std::uint8_t> bytes = file.bytes();
    for (const BitmapChange& change : changes) {
        const TableExtent& extent = file.font().extent(change.table);
        const GlyphTableDeclaration& declared = glyphTable(change.table);
        const std::string table = "the " + std::string(declared.name) + " table";
        if (!extent.present) {
            refuse("replaceBitmaps: the font has no " + std::string(declared.name) + " table");
        }
        const auto index = static_cast<std::int64_t>(change.index);
        if (index >= extent.count) {
            refuse("replaceBitmaps: " + table + " has no record " + runtime::decimalText(index));
        }
        if (index >= extent.recordsInFile) {
            refuse("replaceBitmaps: record " + runtime::decimalText(index) + " of " + table +
                   " is cut off by the end of the file");
        }
        const std::size_t rowBytes = declared.plain.rowBytes;
        if (change.bitmap.size() != rowBytes) {
            refuse("replaceBitmaps: a bitmap of " + table + " is " +
                   runtime::decimalText(static_cast<std::int64_t>(rowBytes)) + " bytes, not " +
                   runtime::decimalText(static_cast<std::int64_t>(change.bitmap.size())));
        }
        const auto at = static_cast<std::size_t>(extent.start) + change.index * extent.stride +
                        declared.plain.codeBytes;
        std::ranges::copy(change.bitmap, bytes.begin() + static_cast<std::ptrdiff_t>(at));
    }
    return bytes;
}

}  // namespace bootfont
