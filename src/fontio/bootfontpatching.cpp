#include "fontio/bootfontpatching.h"

#include <algorithm>

#include "bootfont/languages.h"
#include "bootfont/valuetext.h"
#include "fontio/glyphfitting.h"

namespace fontio {

PatchedGlyphs patchGlyphs(const bootfont::FontFile& font,
                          std::span<const std::unique_ptr<GlyphSource>> sources,
                          const GlyphSelection& selected) {
    PatchedGlyphs result;
    const int codePage = bootfont::codePageForLanguage(font.header().LanguageId).value_or(0);
    const auto patchTable = [&](const auto& records) {
        using Record = std::decay_t<decltype(records.front())>;
        for (std::size_t index = 0; index < records.size(); ++index) {
            const Record& record = records[index];
            const auto character = font.glyphCharacter(Record::kTable, index);
            if (!character || !bootfont::isPrintable(character->value) ||
                !selected(Record::kTable, record.code(), character->value)) {
                continue;
            }
            const bootfont::CharacterCode code{record.code(),
                                               Record::kTable == bootfont::GlyphTable::Dbcs,
                                               character->value, character->value};
            std::optional<SourceGlyph> glyph;
            for (const auto& source : sources) {
                if ((glyph = source->glyphForCode(code, codePage))) {
                    break;
                }
            }
            if (!glyph) {
                continue;
            }
            const FittedGlyph fitted = fitGlyph(*glyph, Record::kWidth);
            if (fitted.fitted && result.fitted++ == 0) {
                result.firstFitted = code;
            }
            const auto rows = std::span(fitted.bitmap).first(record.Bitmap.size());
            if (!std::ranges::equal(rows, record.Bitmap)) {
                result.changes.push_back(
                    {Record::kTable, index, std::vector<std::uint8_t>(rows.begin(), rows.end())});
            }
        }
    };
    patchTable(font.font().sbcsGlyphs);
    patchTable(font.font().dbcsGlyphs);
    return result;
}

}  // namespace fontio
