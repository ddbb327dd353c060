#include "fontio/bootfontassembly.h"

#include <algorithm>

#include "bootfont/glyphtables.h"
#include "fontio/glyphfitting.h"

namespace fontio {

AssembledFont assembleBootFont(const bootfont::CharacterSet& set,
                               std::span<const std::unique_ptr<GlyphSource>> sources) {
    AssembledFont result;
    for (const bootfont::CharacterCode& code : set.codes) {
        std::optional<SourceGlyph> glyph;
        for (auto& source : sources) {
            if ((glyph = source->glyphForCode(code, set.codePage))) {
                break;
            }
        }
        if (!glyph) {
            ++result.missing;
            continue;
        }
        const FittedGlyph fitted = fitGlyph(*glyph, bootfont::glyphTable(code.table()).pixelWidth);
        if (fitted.fitted && result.fitted++ == 0) {
            result.firstFitted = code;
        }
        // A record holds 16 bits: a character beyond them is stored without its value.
        const std::uint16_t unicode =
            code.unicode <= 0xFFFF ? static_cast<std::uint16_t>(code.unicode) : 0;
        if (code.doubleByte) {
            bootfont::DbcsGlyphRecord record;
            record.setCode(code.code);
            record.Bitmap = fitted.bitmap;
            record.setUnicode(unicode);
            result.contents.dbcs.push_back(record);
        } else {
            bootfont::SbcsGlyphRecord record;
            record.Code = static_cast<std::uint8_t>(code.code);
            std::copy_n(fitted.bitmap.begin(), record.Bitmap.size(), record.Bitmap.begin());
            record.setUnicode(unicode);
            result.contents.sbcs.push_back(record);
        }
    }
    return result;
}

}  // namespace fontio
