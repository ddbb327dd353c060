#include "bootfont/wholefont.h"

#include <algorithm>

#include "bootfont/headerfields.h"
#include "bootfont/leadranges.h"
#include "bootfont/memoryfilereader.h"

namespace bootfont {
namespace {

// Reads a font through `file` (FontFileReader or MemoryFileReader), which gives zeros past the
// end of the file; only the header may reach past the end, as tables are read whole records.
template <typename Reader>
WholeFont readFont(Reader& file) {
    WholeFont font;
    font.fileSize = file.size();
    file.seek(0);
    font.header = decodeHeader(file.template next<kHeaderSize>());
    font.sbcs = tableExtent(font.header, GlyphTable::Sbcs, font.fileSize);
    font.dbcs = tableExtent(font.header, GlyphTable::Dbcs, font.fileSize);
    const auto readTable = [&]<typename Record>(const TableExtent& extent,
                                                std::vector<Record>& records) {
        const std::size_t readSize = recordReadSize(extent.table, extent.stride);
        records.resize(static_cast<std::size_t>(extent.recordsInFile));
        for (std::size_t i = 0; i < records.size(); ++i) {
            file.seek(extent.start + static_cast<std::int64_t>(i * extent.stride));
            decodeRecord(file.next(readSize), extent.stride, records[i]);
        }
    };
    readTable(font.sbcs, font.sbcsGlyphs);
    readTable(font.dbcs, font.dbcsGlyphs);
    return font;
}

}  // namespace

TableExtent tableExtent(const BootFontHeader& header, GlyphTable table, std::int64_t fileSize) {
    const GlyphTableDeclaration& declared = glyphTable(table);
    TableExtent extent;
    extent.table = table;
    extent.count = header.*declared.count;
    extent.offset = header.*declared.offset;
    extent.dataLength = header.*declared.dataLength;
    extent.stride = recordStride(table, extent.count, extent.dataLength);
    extent.present = declared.present(header);
    if (extent.present) {
        const auto stride = static_cast<std::int64_t>(extent.stride);
        extent.start = extent.offset;
        extent.end = extent.start + std::int64_t{extent.count} * stride;
        const std::int64_t room = std::max<std::int64_t>(fileSize - extent.start, 0);
        extent.recordsInFile = std::min<std::int64_t>(extent.count, room / stride);
    }
    return extent;
}

WholeFont readWholeFont(std::span<const std::uint8_t> bytes) {
    MemoryFileReader file(bytes);
    return readFont(file);
}

WholeFont readWholeFont(FontFileReader& file) {
    return readFont(file);
}

bool hasDbcsPlaceholder(const WholeFont& font) {
    const auto blank = [](std::uint8_t byte) { return byte == 0; };
    return font.dbcs.count == 1 && font.dbcsGlyphs.size() == 1 && font.dbcsGlyphs[0].code() == 0 &&
           std::ranges::all_of(font.dbcsGlyphs[0].Bitmap, blank) &&
           leadByteRanges(font.header).empty();
}

}  // namespace bootfont
