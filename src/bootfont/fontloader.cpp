#include "bootfont/fontloader.h"

#include "runtime/checkedint.h"

namespace bootfont {
namespace {

template <typename Record>
void loadTable(std::int32_t count, std::int32_t offset, runtime::CheckedArray<Record>& glyphs,
               FontFileReader& file, void (*readOne)(FontFileReader&, Record&)) {
    if (count < 1 || offset < 1) {
        return;
    }
    // The index is 16-bit, so the bound is checked first: a hostile count must not allocate
    // gigabytes, and the earlier array stays as it was.
    const std::int16_t lastIndex = runtime::toInt16(count - 1);
    glyphs = runtime::CheckedArray<Record>::zeroed(count);
    // File positions count from 1, so the offset 2147483647 has no position and overflows.
    const std::int32_t position = runtime::checkedAdd(offset, std::int32_t{1});
    file.seek(std::int64_t{position} - 1);
    // The increment after index 32767 overflows, after a 32768-record table was read in full.
    for (std::int16_t i = 0; i <= lastIndex; runtime::checkedIncrement(i)) {
        readOne(file, glyphs[i]);
    }
}

}  // namespace

BootFontHeader readHeaderRecord(FontFileReader& file) {
    file.seek(0);
    return decodeHeader(file.next<kHeaderSize>());
}

void readSbcsRecord(FontFileReader& file, SbcsGlyphRecord& record) {
    decodeSbcsRecord(file.next<kSbcsRecordSize>(), record);
}

void readDbcsRecord(FontFileReader& file, DbcsGlyphRecord& record) {
    decodeDbcsRecord(file.next<kDbcsRecordSize>(), record);
}

void readHeader(ViewerState& state, FontFileReader& file) {
    state.Header = readHeaderRecord(file);
}

bool hasBootFontSignature(const BootFontHeader& header) {
    return header.Signature == kBootFontSignature;
}

void GetSbcs(ViewerState& state, FontFileReader& file) {
    loadTable(state.Header.NumSbcsChars, state.Header.SbcsOffset, state.SbcsGlyphs, file,
              readSbcsRecord);
}

void GetDbcs(ViewerState& state, FontFileReader& file) {
    loadTable(state.Header.NumDbcsChars, state.Header.DbcsOffset, state.DbcsGlyphs, file,
              readDbcsRecord);
}

}  // namespace bootfont
