#include "cli/fontglyphs.h"

namespace cli {
namespace {

template <typename Record>
void addTable(std::vector<GlyphEntry>& glyphs, bootfont::GlyphTable table,
              const std::vector<Record>& records, const bootfont::CodePage* codePage) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Record& record = records[i];
        const auto character = bootfont::glyphUnicode(record, codePage);
        glyphs.push_back({table, i, record.code(),
                          character ? std::optional(character->value) : std::nullopt,
                          Record::kWidth, record.Bitmap});
    }
}

}  // namespace

std::vector<GlyphEntry> glyphEntries(const bootfont::WholeFont& font,
                                     const bootfont::CodePage* codePage) {
    std::vector<GlyphEntry> glyphs;
    glyphs.reserve(font.sbcsGlyphs.size() + font.dbcsGlyphs.size());
    addTable(glyphs, bootfont::GlyphTable::Sbcs, font.sbcsGlyphs, codePage);
    addTable(glyphs, bootfont::GlyphTable::Dbcs, font.dbcsGlyphs, codePage);
    return glyphs;
}

}  // namespace cli
