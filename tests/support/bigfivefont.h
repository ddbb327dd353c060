#pragma once

#include "support/bootfontbuilder.h"

namespace testsupport {

// A Big5 font, top pad 1, height 16, bottom pad 2: on the boot screen rows of 19 pixels, 25 of
// them. A is inked in its top left and bottom right pixels, 中 (0xA4A4) too, so a mixed-up row or
// column shows; it lacks 文. The pictures of text, the sheet and the boot screen are tested with
// it.
inline BootFontBuilder bigFiveFont() {
    bootfont::SbcsGlyphRecord a{0x41, {0x80}};
    a.Bitmap[15] = 0x01;
    bootfont::DbcsGlyphRecord zhong{{0xA4, 0xA4}, {0x80}};
    zhong.Bitmap[31] = 0x01;
    BootFontBuilder font;
    font.standardMetrics().header().LanguageId = 0x404;
    font.header().CharacterTopPad = 1;
    font.header().CharacterBottomPad = 2;
    font.sbcsTable(49, {a}).dbcsTable(49 + 17, {zhong});
    return font;
}

}  // namespace testsupport
