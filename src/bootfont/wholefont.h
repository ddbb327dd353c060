#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "bootfont/fontfilereader.h"
#include "bootfont/glyphtables.h"

namespace bootfont {

// Where one glyph table lies and how much of it the file holds. A table is present when its count
// and its offset are both at least 1 (tablePresent), as for the viewer.
struct TableExtent {
    GlyphTable table = GlyphTable::Sbcs;
    bool present = false;
    std::int32_t count = 0;
    std::int32_t offset = 0;
    std::int32_t dataLength = 0;  // as the header declares it
    std::size_t stride = 0;       // recordStride() of the count and data length
    // The bytes count × stride from the offset: [start, end). 64-bit, so no header overflows it.
    std::int64_t start = 0;
    std::int64_t end = 0;
    // The records whose every byte lies inside the file; fewer than count when the table runs past
    // the end of the file.
    std::int64_t recordsInFile = 0;

    bool cut() const { return present && recordsInFile < count; }
    bool carriesUnicode() const { return recordCarriesUnicode(table, stride); }
};

// A whole boot font file read leniently, to be inspected rather than shown: the header, and both
// tables in full at their declared record stride whatever their counts (the viewer's 16-bit limit
// is the viewer's). A table that runs past the end of the file is cut after its last whole record;
// its extent tells by how much. No content of the file makes reading fail, and the memory it
// takes is bounded by the file's size, not by its header.
struct WholeFont {
    std::int64_t fileSize = 0;
    BootFontHeader header;
    TableExtent sbcs;
    TableExtent dbcs;
    std::vector<SbcsGlyphRecord> sbcsGlyphs;
    std::vector<DbcsGlyphRecord> dbcsGlyphs;

    bool headerComplete() const { return fileSize >= static_cast<std::int64_t>(kHeaderSize); }
    bool hasSignature() const { return hasBootFontSignature(header); }

    const TableExtent& extent(GlyphTable table) const {
        return table == GlyphTable::Sbcs ? sbcs : dbcs;
    }
    // `use(records)` with the records of `table`, whichever type they have.
    template <typename Use>
    decltype(auto) withRecords(GlyphTable table, Use&& use) const {
        return table == GlyphTable::Sbcs ? use(sbcsGlyphs) : use(dbcsGlyphs);
    }
};

// Reads a whole file's bytes, or a file through the records of the viewer's loader. The file's
// form raises the runtime's device I/O error only when the system fails a read.
WholeFont readWholeFont(std::span<const std::uint8_t> bytes);
WholeFont readWholeFont(FontFileReader& file);

// Whether the double-byte table is the placeholder that fonts for single-byte languages carry:
// one all-zero record (code 0x0000, blank bitmap) and an empty lead-byte table. The boot loader
// uses such a font correctly; it is no table of glyphs.
bool hasDbcsPlaceholder(const WholeFont& font);

// The extent of a table of a header over a file of `fileSize` bytes.
TableExtent tableExtent(const BootFontHeader& header, GlyphTable table, std::int64_t fileSize);

}  // namespace bootfont
