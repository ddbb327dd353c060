#include "bootfont/fontloader.h"

#include "bootfont/glyphtables.h"
#include "bootfont/memoryfilereader.h"
#include "runtime/checkedint.h"

namespace bootfont {
namespace {

template <typename Record, typename Reader>
void loadTable(const BootFontHeader& header, runtime::CheckedArray<Record>& glyphs, Reader& file) {
    const GlyphTableDeclaration& table = glyphTable(Record::kTable);
    if (!table.present(header)) {
        return;
    }
    const std::int32_t count = header.*table.count;
    const std::size_t stride = recordStride(table.table, count, header.*table.dataLength);
    const std::size_t readSize = recordReadSize(table.table, stride);
    // The index is 16-bit, so the bound is checked first: a hostile count must not allocate
    // gigabytes, and the earlier array stays as it was.
    const std::int16_t lastIndex = runtime::toInt16(count - 1);
    glyphs = runtime::CheckedArray<Record>::zeroed(count);
    // File positions count from 1, so the offset 2147483647 has no position and overflows.
    const std::int32_t position = runtime::checkedAdd(header.*table.offset, std::int32_t{1});
    const std::int64_t start = std::int64_t{position} - 1;
    // The increment after index 32767 overflows, after a 32768-record table was read in full.
    for (std::int16_t i = 0; i <= lastIndex; runtime::checkedIncrement(i)) {
        // At most 32768 records of at most 128 bytes: far inside 64 bits.
        file.seek(start + std::int64_t{i} * static_cast<std::int64_t>(stride));
        decodeRecord(file.next(readSize), stride, glyphs[i]);
    }
}

template <typename Reader>
BootFontHeader headerOf(Reader& file) {
    file.seek(0);
    return decodeHeader(file.template next<kHeaderSize>());
}

}  // namespace

void readHeader(LoadedFont& font, const FontFile& file) {
    MemoryFileReader bytes(file.bytes());
    font.Header = headerOf(bytes);
}

void readHeader(LoadedFont& font, FontFileReader& file) {
    font.Header = headerOf(file);
}

void GetSbcs(LoadedFont& font, const FontFile& file) {
    MemoryFileReader bytes(file.bytes());
    loadTable(font.Header, font.SbcsGlyphs, bytes);
}

void GetDbcs(LoadedFont& font, const FontFile& file) {
    MemoryFileReader bytes(file.bytes());
    loadTable(font.Header, font.DbcsGlyphs, bytes);
}

void GetSbcs(LoadedFont& font, FontFileReader& file) {
    loadTable(font.Header, font.SbcsGlyphs, file);
}

void GetDbcs(LoadedFont& font, FontFileReader& file) {
    loadTable(font.Header, font.DbcsGlyphs, file);
}

}  // namespace bootfont
