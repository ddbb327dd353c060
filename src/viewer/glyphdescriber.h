#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "bootfont/loadedfont.h"
#include "glyphview/glyphlayout.h"

namespace bootfont {
class CodePage;
class FontFile;
}  // namespace bootfont

// What the window's picture says of a glyph of the font on show, and the glyph drawn large for
// its tooltip. Characters come from the records or through the code page of the opened file's
// language, which the file opens the first time a glyph or a find asks for it.
class GlyphDescriber {
public:
    // Describes glyphs of `font`'s tables, which it reads as they are when asked.
    explicit GlyphDescriber(const bootfont::LoadedFont& font);
    ~GlyphDescriber();

    // `file` was accepted: its code page replaces the last one's. It must outlive its use here.
    void fontOpened(const bootfont::FontFile& file);
    // The font's code page; null when its language has none known here.
    const bootfont::CodePage* codePage();

    // The glyph's description (viewer/glyphdescription.h); empty when the font's table no longer
    // holds it: the picture may show glyphs of a table that an open command stopped by an error
    // has replaced since.
    QString describe(const glyphview::GlyphSpot& spot);
    // The glyph's character (its record's, or its code's in the code page) and its code as
    // "0xD6D0"; none when the table no longer holds it or nothing gives a character.
    std::optional<char32_t> character(const glyphview::GlyphSpot& spot);
    QString code(const glyphview::GlyphSpot& spot) const;
    // The glyph drawn large; a null image when the table no longer holds it.
    QImage magnify(const glyphview::GlyphSpot& spot) const;

private:
    const bootfont::LoadedFont& font_;
    const bootfont::FontFile* file_ = nullptr;
};
