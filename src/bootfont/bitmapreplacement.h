#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "bootfont/fontfile.h"

namespace bootfont {

// A new bitmap for one record: its table, its index among the records the file holds of that
// table (WholeFont's sbcsGlyphs or dbcsGlyphs) and the rows, as many bytes as the table's records
// hold (16 for single-byte glyphs, 32 for double-byte ones).
struct BitmapChange {
    GlyphTable table = GlyphTable::Sbcs;
    std::size_t index = 0;
    std::vector<std::uint8_t> bitmap;
};

// The file's bytes with the bitmaps of the changed records replaced and every other byte kept:
// each bitmap lies after its record's code, the records the table's stride apart from its offset,
// so the header, the codes, the Unicode values and the bytes between and after the tables stay
// as they were. A later change of the same record wins. Raises BootFontError (invalid argument)
// for a table the file does not have, a record past the table's count or cut off by the end of
// the file, and a bitmap of another size than the table's rows.
std::vector<std::uint8_t> replaceBitmaps(const FontFile& file,
                                         std::span<const BitmapChange> changes);

}  // namespace bootfont
