#pragma once

#include <memory>
#include <string>

#include "fontio/glyphsource.h"

namespace bootfont {
class CodePage;
}

namespace fontio {

// A font file FreeType reads. Bitmap fonts give their strike of 16 pixels per em (or the nearest);
// outline fonts their bitmap strike of 16 pixels per em if they have one, otherwise their outlines
// rendered in monochrome at the largest size whose ascender and descender fit 16 rows. A font
// without a Unicode character map is read through its own charset: the X charset registry and
// encoding of BDF and PCF fonts (GB2312.1980, JISX0208.1983, KSC5601.1987, BIG5.ETEN, ...), the
// character set of Windows FNT fonts, converted with iconv.
class FreeTypeSource : public GlyphSource {
public:
    // Raises FontIoError ("NAME: reason") when FreeType cannot read `path` or its charset is not
    // one known here; `name` is how messages call the source, `faceIndex` the font in a collection.
    FreeTypeSource(const std::string& name, const std::string& path, int faceIndex = 0);
    ~FreeTypeSource() override;

    std::optional<SourceGlyph> glyph(char32_t character) override;

private:
    std::string name_;
    struct Handles;
    std::unique_ptr<Handles> handles_;
    // When the font is keyed by its own codes: the charset, and whether the codes are the GL form
    // (each byte less 0x80) of the charset's EUC bytes, as X fonts of the 94 x 94 sets store them.
    std::unique_ptr<bootfont::CodePage> charset_;
    bool sevenBit_ = false;
    int baselineRow_ = 0;
};

}  // namespace fontio
