#pragma once

#include "bootfont/fontfile.h"
#include "bootfont/fontfilereader.h"
#include "bootfont/headerfields.h"
#include "bootfont/loadedfont.h"

// Reading one boot font file into the window's LoadedFont. The caller opens the file, calls
// readHeader, tests the signature (hasBootFontSignature) and, for an accepted file, calls GetSbcs
// then GetDbcs. Each reads an opened FontFile's bytes or a FontFileReader's file alike: zeros past
// the end of the file.
namespace bootfont {

// The first 49 bytes of the file into font.Header.
void readHeader(LoadedFont& font, const FontFile& file);
void readHeader(LoadedFont& font, FontFileReader& file);

// Replace font.SbcsGlyphs (DbcsGlyphs) by the file's table when it is present (tablePresent);
// otherwise the array keeps what it had. Records start recordStride() bytes apart. A table of
// 32768 records reads every record and then raises the overflow error (its 16-bit index cannot
// pass 32767); a larger one raises it before anything is allocated or read, and so does an
// offset of 2147483647.
void GetSbcs(LoadedFont& font, const FontFile& file);
void GetDbcs(LoadedFont& font, const FontFile& file);
void GetSbcs(LoadedFont& font, FontFileReader& file);
void GetDbcs(LoadedFont& font, FontFileReader& file);

}  // namespace bootfont
