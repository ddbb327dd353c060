#include "bootfont/wholefont.h"

#include <algorithm>

#include "bootfont/fontloader.h"

namespace bootfont {
namespace {

template <typename Record>
std::vector<Record> readTable(FontFileReader& file, const TableExtent& extent,
                              void (*readOne)(FontFileReader&, Record&, std::size_t)) {
    std::vector<Record> records(static_cast<std::size_t>(extent.recordsInFile));
    for (std::size_t i = 0; i < records.size(); ++i) {
        file.seek(extent.start + static_cast<std::int64_t>(i * extent.stride));
        readOne(file, records[i], extent.stride);
    }
    return records;
}

}  // namespace

TableExtent tableExtent(const BootFontHeader& header, GlyphTable table, std::int64_t fileSize) {
    const bool sbcs = table == GlyphTable::Sbcs;
    TableExtent extent;
    extent.table = table;
    extent.count = sbcs ? header.NumSbcsChars : header.NumDbcsChars;
    extent.offset = sbcs ? header.SbcsOffset : header.DbcsOffset;
    extent.dataLength = sbcs ? header.SbcsEntriesTotalSize : header.DbcsEntriesTotalSize;
    extent.stride = recordStride(table, extent.count, extent.dataLength);
    extent.present = extent.count >= 1 && extent.offset >= 1;
    if (extent.present) {
        const auto stride = static_cast<std::int64_t>(extent.stride);
        extent.start = extent.offset;
        extent.end = extent.start + std::int64_t{extent.count} * stride;
        const std::int64_t room = std::max<std::int64_t>(fileSize - extent.start, 0);
        extent.recordsInFile = std::min<std::int64_t>(extent.count, room / stride);
    }
    return extent;
}

WholeFont readWholeFont(FontFileReader& file) {
    WholeFont font;
    font.fileSize = file.size();
    font.header = readHeaderRecord(file);
    font.sbcs = tableExtent(font.header, GlyphTable::Sbcs, font.fileSize);
    font.dbcs = tableExtent(font.header, GlyphTable::Dbcs, font.fileSize);
    font.sbcsGlyphs = readTable(file, font.sbcs, readSbcsRecord);
    font.dbcsGlyphs = readTable(file, font.dbcs, readDbcsRecord);
    return font;
}

}  // namespace bootfont
