#include "bootfont/fontloader.h"

#include "runtime/checkedint.h"

namespace bootfont {
namespace {

template <typename Record>
void loadTable(std::int32_t count, std::int32_t offset, std::int32_t dataLength, GlyphTable table,
               runtime::CheckedArray<Record>& glyphs, FontFileReader& file) {
    if (!tablePresent(count, offset)) {
        return;
    }
    const std::size_t stride = recordStride(table, count, dataLength);
    const std::size_t readSize = recordReadSize(table, stride);
    // The index is 16-bit, so the bound is checked first: a hostile count must not allocate
    // gigabytes, and the earlier array stays as it was.
    const std::int16_t lastIndex = runtime::toInt16(count - 1);
    glyphs = runtime::CheckedArray<Record>::zeroed(count);
    // File positions count from 1, so the offset 2147483647 has no position and overflows.
    const std::int32_t position = runtime::checkedAdd(offset, std::int32_t{1});
    const std::int64_t start = std::int64_t{position} - 1;
    // The increment after index 32767 overflows, after a 32768-record table was read in full.
    for (std::int16_t i = 0; i <= lastIndex; runtime::checkedIncrement(i)) {
        // At most 32768 records of at most 128 bytes: far inside 64 bits.
        file.seek(start + std::int64_t{i} * static_cast<std::int64_t>(stride));
        decodeRecord(file.next(readSize), stride, glyphs[i]);
    }
}

}  // namespace

BootFontHeader readHeaderRecord(FontFileReader& file) {
    file.seek(0);
    return decodeHeader(file.next<kHeaderSize>());
}

void readHeader(LoadedFont& font, FontFileReader& file) {
    font.Header = readHeaderRecord(file);
}

bool hasBootFontSignature(const BootFontHeader& header) {
    return header.Signature == kBootFontSignature;
}

void GetSbcs(LoadedFont& font, FontFileReader& file) {
    const BootFontHeader& header = font.Header;
    loadTable(header.NumSbcsChars, header.SbcsOffset, header.SbcsEntriesTotalSize, GlyphTable::Sbcs,
              font.SbcsGlyphs, file);
}

void GetDbcs(LoadedFont& font, FontFileReader& file) {
    const BootFontHeader& header = font.Header;
    loadTable(header.NumDbcsChars, header.DbcsOffset, header.DbcsEntriesTotalSize, GlyphTable::Dbcs,
              font.DbcsGlyphs, file);
}

}  // namespace bootfont
