#include "bootfont/wholefont.h"

#include <algorithm>
#include <array>

#include "bootfont/headerfields.h"
#include "bootfont/leadranges.h"

namespace bootfont {
namespace {

// Reads a font from `readAt(offset, size)`, which gives `size` bytes from `offset` (zeros past the
// end of the file); only the header may reach past the end, as tables are read whole records.
template <typename ReadAt>
WholeFont readFont(std::int64_t fileSize, ReadAt readAt) {
    WholeFont font;
    font.fileSize = fileSize;
    font.header = decodeHeader(readAt(0, kHeaderSize).template first<kHeaderSize>());
    font.sbcs = tableExtent(font.header, GlyphTable::Sbcs, font.fileSize);
    font.dbcs = tableExtent(font.header, GlyphTable::Dbcs, font.fileSize);
    const auto readTable = [&]<typename Record>(const TableExtent& extent,
                                                std::vector<Record>& records) {
        const std::size_t readSize = recordReadSize(extent.table, extent.stride);
        records.resize(static_cast<std::size_t>(extent.recordsInFile));
        for (std::size_t i = 0; i < records.size(); ++i) {
            decodeRecord(
                readAt(extent.start + static_cast<std::int64_t>(i * extent.stride), readSize),
                extent.stride, records[i]);
        }
    };
    readTable(font.sbcs, font.sbcsGlyphs);
    readTable(font.dbcs, font.dbcsGlyphs);
    return font;
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
    extent.present = tablePresent(extent.count, extent.offset);
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
    std::array<std::uint8_t, kHeaderSize> padded{};
    return readFont(static_cast<std::int64_t>(bytes.size()),
                    [&](std::int64_t offset, std::size_t size) -> std::span<const std::uint8_t> {
                        const auto start = static_cast<std::size_t>(offset);
                        if (start + size <= bytes.size()) {
                            return bytes.subspan(start, size);
                        }
                        // The header of a file shorter than the header: zeros after its bytes.
                        std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end(),
                                  padded.begin());
                        return std::span<const std::uint8_t>(padded).first(size);
                    });
}

WholeFont readWholeFont(FontFileReader& file) {
    return readFont(file.size(), [&](std::int64_t offset, std::size_t size) {
        file.seek(offset);
        return file.next(size);
    });
}

bool hasDbcsPlaceholder(const WholeFont& font) {
    const auto blank = [](std::uint8_t byte) { return byte == 0; };
    return font.dbcs.count == 1 && font.dbcsGlyphs.size() == 1 && font.dbcsGlyphs[0].code() == 0 &&
           std::ranges::all_of(font.dbcsGlyphs[0].Bitmap, blank) &&
           leadByteRanges(font.header).empty();
}

}  // namespace bootfont
