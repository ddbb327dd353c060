#include "glyphview/textcells.h"

#include "bootfont/codepage.h"
#include "glyphview/twocolourpicture.h"

namespace glyphview {

std::vector<TextCell> textCells(const bootfont::WholeFont& font, const std::u32string& text) {
    const auto codePage = bootfont::openLanguageCodePage(font.header.LanguageId);
    // The first record of each code, as a search from the start finds it: a screen looks up
    // thousands of characters.
    std::vector<const std::uint8_t*> sbcs(0x100);
    std::vector<const std::uint8_t*> dbcs(0x10000);
    for (auto record = font.sbcsGlyphs.rbegin(); record != font.sbcsGlyphs.rend(); ++record) {
        sbcs[record->code()] = record->Bitmap.data();
    }
    for (auto record = font.dbcsGlyphs.rbegin(); record != font.dbcsGlyphs.rend(); ++record) {
        dbcs[record->code()] = record->Bitmap.data();
    }
    std::vector<TextCell> cells;
    cells.reserve(text.size());
    for (const char32_t character : text) {
        TextCell cell;
        cell.character = character;
        // Without a code page only ASCII has codes we know: every code page stores it as itself.
        std::optional<std::vector<std::uint8_t>> code =
            codePage ? codePage->fromUnicode(character) : std::nullopt;
        if (!codePage && character < 0x80) {
            code = std::vector<std::uint8_t>{static_cast<std::uint8_t>(character)};
        }
        const bool wide = code ? code->size() == 2 : character >= 0x100;
        cell.width = wide ? bootfont::kDbcsGlyphWidth : bootfont::kSbcsGlyphWidth;
        // The boot loader looks glyphs up by their code alone.
        const std::uint8_t* bitmap = !code               ? nullptr
                                     : code->size() == 1 ? sbcs[(*code)[0]]
                                                         : dbcs[bootfont::codeNumber(*code)];
        if (bitmap) {
            cell.bitmap = std::span(bitmap, static_cast<std::size_t>(cell.width) * 2);
        }
        cells.push_back(cell);
    }
    return cells;
}

LackingCharacters lackingCharacters(std::span<const TextCell> cells) {
    LackingCharacters lacking;
    for (const TextCell& cell : cells) {
        if (cell.bitmap.empty()) {
            ++lacking.cells;
            if (lacking.characters.find(cell.character) == std::u32string::npos) {
                lacking.characters += cell.character;
            }
        }
    }
    return lacking;
}

QImage textLineImage(std::span<const TextCell> cells) {
    int width = 0;
    for (const TextCell& cell : cells) {
        width += cell.width;
    }
    QImage image = twoColourImage(width, static_cast<int>(bootfont::kGlyphRows), kBlack, kBootGrey);
    int x = 0;
    for (const TextCell& cell : cells) {
        if (cell.bitmap.empty()) {
            drawMissingBox(image, x, 0, cell.width);
        } else {
            drawBitmap(image, x, 0, cell.bitmap, cell.width);
        }
        x += cell.width;
    }
    return image;
}

}  // namespace glyphview
