#include "cli/fontglyphs.h"

#include <exception>

namespace cli {

std::unique_ptr<bootfont::CodePage> fontCodePage(const bootfont::BootFontHeader& header) {
    const std::optional<int> number = bootfont::codePageForLanguage(header.LanguageId);
    if (!number) {
        return nullptr;
    }
    try {
        return std::make_unique<bootfont::CodePage>(*number);
    } catch (const std::exception&) {
        return nullptr;
    }
}

std::vector<GlyphEntry> glyphEntries(const bootfont::WholeFont& font,
                                     const bootfont::CodePage* codePage) {
    std::vector<GlyphEntry> glyphs;
    glyphs.reserve(font.sbcsGlyphs.size() + font.dbcsGlyphs.size());
    for (std::size_t i = 0; i < font.sbcsGlyphs.size(); ++i) {
        const auto& record = font.sbcsGlyphs[i];
        glyphs.push_back({bootfont::GlyphTable::Sbcs, i, record.Code,
                          bootfont::glyphUnicode({&record.Code, 1}, record.unicode(), codePage), 8,
                          record.Bitmap});
    }
    for (std::size_t i = 0; i < font.dbcsGlyphs.size(); ++i) {
        const auto& record = font.dbcsGlyphs[i];
        glyphs.push_back({bootfont::GlyphTable::Dbcs, i,
                          static_cast<std::uint16_t>(record.Code[0] << 8 | record.Code[1]),
                          bootfont::glyphUnicode(record.Code, record.unicode(), codePage), 16,
                          record.Bitmap});
    }
    return glyphs;
}

}  // namespace cli
