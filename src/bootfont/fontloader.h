#pragma once

#include "bootfont/bootfontrecords.h"
#include "bootfont/fontfilereader.h"
#include "bootfont/viewerstate.h"

// Reading one boot font file into the ViewerState. The caller opens the file, calls readHeader,
// tests the signature and, for an accepted file, calls GetSbcs then GetDbcs, and closes the file.
namespace bootfont {

// The three record reads: the header from offset 0, and a glyph record of a table whose records
// are `stride` bytes apart (recordStride) from the current position into `record`.
BootFontHeader readHeaderRecord(FontFileReader& file);
void readSbcsRecord(FontFileReader& file, SbcsGlyphRecord& record, std::size_t stride);
void readDbcsRecord(FontFileReader& file, DbcsGlyphRecord& record, std::size_t stride);

// The first 49 bytes of the file into state.Header.
void readHeader(ViewerState& state, FontFileReader& file);

bool hasBootFontSignature(const BootFontHeader& header);

// Replace state.SbcsGlyphs (DbcsGlyphs) by the file's table when both its count and its offset are
// at least 1; otherwise the array keeps what it had. Records start recordStride() bytes apart. A
// table of 32768 records reads every record and then raises the overflow error (its 16-bit index
// cannot pass 32767); a larger one raises it before anything is allocated or read, and so does an
// offset of 2147483647.
void GetSbcs(ViewerState& state, FontFileReader& file);
void GetDbcs(ViewerState& state, FontFileReader& file);

}  // namespace bootfont
