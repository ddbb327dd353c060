#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

#include "bootfont/loadedfont.h"
#include "glyphview/glyphlayout.h"

namespace bootfont {
class CodePage;
}

// What the window's picture says of a glyph of the font on show, and the glyph drawn large for
// its tooltip. Characters come from the records or through the code page of the font's language,
// which is opened the first time a glyph or a find asks for it, once for each font.
class GlyphDescriber {
public:
    // Describes glyphs of `font`'s tables, which it reads as they are when asked.
    explicit GlyphDescriber(const bootfont::LoadedFont& font);
    ~GlyphDescriber();

    // A font of language `languageId` was accepted: its code page replaces the last one's.
    void fontOpened(std::int32_t languageId);
    // The font's code page; null when its language has none known here.
    const bootfont::CodePage* codePage();

    // The glyph's description (viewer/glyphdescription.h); empty when the font's table no longer
    // holds it: the picture may show glyphs of a table that an open command stopped by an error
    // has replaced since.
    QString describe(const glyphview::GlyphSpot& spot);
    // The glyph drawn large; a null image when the table no longer holds it.
    QImage magnify(const glyphview::GlyphSpot& spot) const;

private:
    const bootfont::LoadedFont& font_;
    std::int32_t languageId_ = 0;
    std::unique_ptr<bootfont::CodePage> codePage_;
    bool codePageOpened_ = false;
};
