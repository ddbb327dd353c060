// The drawing of bootfont render, in the helper program bootfont-render: the viewer's pictures
// through the viewer's own drawing, a sheet of every glyph, and a line of text as a boot screen
// draws it; then the image enlarged and saved as PNG through Qt's image classes. Nothing here
// needs a QGuiApplication: the images are drawn pixel by pixel and no text is drawn with fonts,
// so the output is the same on every machine. Every picture has two colours, so each is made a
// 1-bit image (index 0 the background, 1 the ink): a sheet of 13,503 glyphs is 5 million pixels,
// and as 1-bit rows it is filtered and compressed about twenty times faster than as 8-bit grey.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <algorithm>
#include <array>
#include <cstring>
#include <iostream>
#include <span>
#include <vector>

#include "bootfont/codepage.h"
#include "cli/commands.h"
#include "cli/failure.h"
#include "cli/fontglyphs.h"
#include "cli/fontinput.h"
#include "cli/outputfile.h"
#include "cli/presentation.h"
#include "cli/renderoptions.h"
#include "glyphview/glyphdrawing.h"
#include "glyphview/pagemaths.h"
#include "runtime/numbertext.h"

namespace cli {
namespace {

using bootfont::GlyphTable;
using runtime::decimalText;

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
// The boot screens' text: light grey (the VGA's text colour 7) on black.
constexpr QRgb kBootGrey = 0xFFAAAAAA;

// Qt's PNG writer turns quality q into zlib level (100 - q) * 9 / 91: 80 is level 1.
constexpr int kFastestPngQuality = 80;

void checkAllocated(const QImage& image, int width, int height) {
    if (image.isNull()) {
        failUsage("an image of " + decimalText(width) + " x " + decimalText(height) +
                  " pixels is too large");
    }
}

// A 1-bit image of the background colour; ink() sets pixels to the ink colour.
QImage twoColourImage(int width, int height, QRgb background, QRgb inkColour) {
    QImage image(width, height, QImage::Format_Mono);
    checkAllocated(image, width, height);
    image.setColorTable({background, inkColour});
    image.fill(0);
    return image;
}

// The pixel at (x, y) of a 1-bit line: bits from the most significant, as in a glyph's bitmap.
bool inkAt(const uchar* line, int x) {
    return (line[x >> 3] >> (7 - (x & 7)) & 1) != 0;
}
void ink(uchar* line, int x) {
    line[x >> 3] = static_cast<uchar>(line[x >> 3] | 0x80 >> (x & 7));
}

// The records the window holds for a table: the file's, then zero records up to the header's
// count, as its loader reads zeros past the end of a file.
template <typename Record>
std::vector<Record> viewerTable(const std::vector<Record>& records, std::int32_t count) {
    std::vector<Record> table(
        records.begin(), records.begin() + std::min<std::ptrdiff_t>(
                                               static_cast<std::ptrdiff_t>(records.size()), count));
    table.resize(static_cast<std::size_t>(count));
    return table;
}

// The window's picture of a table from glyph `first`, drawn by the window's own drawing.
QImage viewImage(const bootfont::WholeFont& font, const std::string& name, GlyphTable table,
                 std::int16_t first) {
    const bool sbcs = table == GlyphTable::Sbcs;
    const bootfont::TableExtent& extent = sbcs ? font.sbcs : font.dbcs;
    const char* tableName = sbcs ? "single-byte" : "double-byte";
    if (!extent.present) {
        failFile(name + ": the font has no " + tableName + " table");
    }
    if (extent.count > bootfont::kViewerTableLimit) {
        failFile(name + ": the viewer does not show a " + tableName +
                 " table of more than 32,767 glyphs");
    }
    const auto& h = font.header;
    QImage image(glyphview::kViewWidth, glyphview::kViewHeight, QImage::Format_RGB32);
    glyphview::GlyphLayout shown;
    if (sbcs) {
        glyphview::drawGlyphs(
            image, kWhite, shown, viewerTable(font.sbcsGlyphs, extent.count),
            {first, extent.count, h.CharacterImageSbcsWidth, h.CharacterImageHeight});
    } else {
        glyphview::drawGlyphs(
            image, kWhite, shown, viewerTable(font.dbcsGlyphs, extent.count),
            {first, extent.count, h.CharacterImageDbcsWidth, h.CharacterImageHeight});
    }
    QImage picture = twoColourImage(image.width(), image.height(), kWhite, kBlack);
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = picture.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (in[x] == kBlack) {
                ink(out, x);
            }
        }
    }
    return picture;
}

QImage pageImage(const bootfont::WholeFont& font, const std::string& name, int page) {
    if (font.dbcs.present && font.dbcs.count <= bootfont::kViewerTableLimit) {
        const int pages = glyphview::dbcsPageCount(font.dbcs.count);
        if (page > pages) {
            failUsage(name + ": --page " + decimalText(page) + ": the font has " +
                      decimalText(pages) + " pages");
        }
    }
    return viewImage(font, name, GlyphTable::Dbcs,
                     static_cast<std::int16_t>((page - 1) * glyphview::kGlyphsPerPage));
}

// Sets the ink pixels of a bitmap of 16 rows, `width` pixels each (width / 8 bytes, the most
// significant bit leftmost), with its corner at (x, y).
void plotBitmap(QImage& image, int x, int y, std::span<const std::uint8_t> bitmap, int width) {
    const int bytesPerRow = width / 8;
    for (int row = 0; row < static_cast<int>(bootfont::kGlyphRows); ++row) {
        uchar* line = image.scanLine(y + row);
        const std::uint8_t* bits = bitmap.data() + row * bytesPerRow;
        for (int column = 0; column < width; ++column) {
            if (inkAt(bits, column)) {
                ink(line, x + column);
            }
        }
    }
}

// The sheet: 16 glyphs a row in cells of 18 x 18 pixels, the single-byte table's rows first, a
// blank row, then the double-byte table's; left of each row the code of its first glyph in hex
// digits of 3 x 5 pixels drawn twice as large.
constexpr int kSheetColumns = 16;
constexpr int kSheetCell = 18;
constexpr int kSheetMargin = 4;
constexpr int kDigitScale = 2;
constexpr int kDigitAdvance = 4 * kDigitScale;  // 3 pixels and a space
constexpr int kLabelWidth = 4 * kDigitAdvance + 4;
constexpr int kLabelTop = (16 - 5 * kDigitScale) / 2;

// clang-format off
// Hex digits 0 to F, 3 x 5 pixels, rows from the top, 3 bits each, the leftmost pixel highest.
constexpr std::array<std::uint16_t, 16> kDigits{
    0b111'101'101'101'111, 0b010'110'010'010'111, 0b111'001'111'100'111, 0b111'001'111'001'111,
    0b101'101'111'001'001, 0b111'100'111'001'111, 0b111'100'111'101'111, 0b111'001'001'001'001,
    0b111'101'111'101'111, 0b111'101'111'001'111, 0b010'101'111'101'101, 0b110'101'110'101'110,
    0b111'100'100'100'111, 0b110'101'101'101'110, 0b111'100'111'100'111, 0b111'100'111'100'100,
};
// clang-format on

void drawLabel(QImage& image, int x, int y, std::uint16_t code, int digits) {
    for (int d = 0; d < digits; ++d) {
        const std::uint16_t shape = kDigits[code >> 4 * (digits - 1 - d) & 0xF];
        for (int bit = 0; bit < 15; ++bit) {
            if ((shape >> (14 - bit) & 1) == 0) {
                continue;
            }
            const int left = x + d * kDigitAdvance + bit % 3 * kDigitScale;
            const int top = y + bit / 3 * kDigitScale;
            for (int dy = 0; dy < kDigitScale; ++dy) {
                for (int dx = 0; dx < kDigitScale; ++dx) {
                    ink(image.scanLine(top + dy), left + dx);
                }
            }
        }
    }
}

QImage sheetImage(const bootfont::WholeFont& font) {
    const std::vector<GlyphEntry> glyphs = glyphEntries(font, nullptr);
    const auto rowsOf = [](std::size_t count) {
        return static_cast<int>((count + kSheetColumns - 1) / kSheetColumns);
    };
    const int sbcsRows = rowsOf(font.sbcsGlyphs.size());
    const int dbcsRows = rowsOf(font.dbcsGlyphs.size());
    const int rows = sbcsRows + dbcsRows + (sbcsRows > 0 && dbcsRows > 0 ? 1 : 0);
    const int left = kSheetMargin + kLabelWidth;
    QImage image =
        twoColourImage(left + kSheetColumns * kSheetCell + kSheetMargin,
                       2 * kSheetMargin + std::max(rows, 1) * kSheetCell, kWhite, kBlack);
    for (const GlyphEntry& glyph : glyphs) {
        const bool sbcs = glyph.table == GlyphTable::Sbcs;
        const int row =
            static_cast<int>(glyph.index) / kSheetColumns + (sbcs ? 0 : rows - dbcsRows);
        const int column = static_cast<int>(glyph.index) % kSheetColumns;
        const int y = kSheetMargin + row * kSheetCell + 1;
        if (column == 0) {
            drawLabel(image, kSheetMargin, y + kLabelTop, glyph.code, glyph.codeDigits());
        }
        plotBitmap(image, left + column * kSheetCell + 1, y, glyph.bitmap, glyph.width);
    }
    return image;
}

// One character of the text line as the boot screen draws it.
struct TextCell {
    char32_t character = 0;
    int width = 8;                         // 8 for a single-byte code, 16 for a double-byte one
    std::span<const std::uint8_t> bitmap;  // empty when the font lacks the character
};

std::vector<TextCell> textCells(const bootfont::WholeFont& font, const std::u32string& text) {
    const auto codePage = bootfont::openLanguageCodePage(font.header.LanguageId);
    std::vector<TextCell> cells;
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
        if (code && code->size() == 1) {
            const auto found =
                std::ranges::find(font.sbcsGlyphs, (*code)[0], &bootfont::SbcsGlyphRecord::Code);
            if (found != font.sbcsGlyphs.end()) {
                cell.bitmap = found->Bitmap;
            }
        } else if (code && code->size() == 2) {
            const std::array<std::uint8_t, 2> bytes{(*code)[0], (*code)[1]};
            const auto found =
                std::ranges::find(font.dbcsGlyphs, bytes, &bootfont::DbcsGlyphRecord::Code);
            if (found != font.dbcsGlyphs.end()) {
                cell.bitmap = found->Bitmap;
            }
        }
        cells.push_back(cell);
    }
    return cells;
}

QImage textImage(const bootfont::WholeFont& font, const std::string& name,
                 const std::string& text) {
    const auto characters = decodeUtf8(text);
    if (!characters || characters->empty()) {
        failUsage("--text: TEXT is empty or not UTF-8");
    }
    const std::vector<TextCell> cells = textCells(font, *characters);
    int width = 0;
    for (const TextCell& cell : cells) {
        width += cell.width;
    }
    QImage image = twoColourImage(width, static_cast<int>(bootfont::kGlyphRows), kBlack, kBootGrey);
    std::string lacking;
    int missing = 0;
    int x = 0;
    for (const TextCell& cell : cells) {
        if (!cell.bitmap.empty()) {
            plotBitmap(image, x, 0, cell.bitmap, cell.width);
        } else {
            // An outlined box one pixel inside the cell, so neighbouring boxes stay apart.
            const int right = x + cell.width - 2;
            const int bottom = static_cast<int>(bootfont::kGlyphRows) - 2;
            for (int px = x + 1; px <= right; ++px) {
                ink(image.scanLine(1), px);
                ink(image.scanLine(bottom), px);
            }
            for (int py = 1; py <= bottom; ++py) {
                ink(image.scanLine(py), x + 1);
                ink(image.scanLine(py), right);
            }
            ++missing;
            lacking += " " + encodeUtf8(cell.character) + " (" +
                       runtime::codePointText(cell.character) + ")";
        }
        x += cell.width;
    }
    if (missing > 0) {
        std::cerr << name << ": the font lacks " << missing << " of the " << cells.size()
                  << " characters:" << lacking << '\n';
    }
    return image;
}

// The 1-bit image with each pixel made a K x K square.
QImage enlarged(const QImage& image, int scale) {
    if (scale == 1) {
        return image;
    }
    const int width = image.width() * scale;
    const int height = image.height() * scale;
    QImage out(width, height, QImage::Format_Mono);
    checkAllocated(out, width, height);
    out.setColorTable(image.colorTable());
    out.fill(0);
    const auto lineBytes = static_cast<std::size_t>(out.bytesPerLine());
    for (int y = 0; y < image.height(); ++y) {
        const uchar* in = image.constScanLine(y);
        uchar* first = out.scanLine(y * scale);
        for (int x = 0; x < width; ++x) {
            if (inkAt(in, x / scale)) {
                ink(first, x);
            }
        }
        for (int copy = 1; copy < scale; ++copy) {
            std::memcpy(out.scanLine(y * scale + copy), first, lineBytes);
        }
    }
    return out;
}

std::string pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // zlib's fastest level: files 4 % larger than its default, made three times as fast.
    writer.setQuality(kFastestPngQuality);
    if (!writer.write(image)) {
        failUsage("cannot make the PNG: " + writer.errorString().toStdString());
    }
    return bytes.toStdString();
}

}  // namespace

int renderFont(const RenderOptions& options) {
    if (isSameFile(options.file, options.out)) {
        failUsage(options.out + ": is the input file; choose another output");
    }
    const std::string name = inputName(options.file);
    const bootfont::WholeFont font = readBootFont(options.file);
    const QImage image = options.sbcs   ? viewImage(font, name, GlyphTable::Sbcs, 0)
                         : options.page ? pageImage(font, name, *options.page)
                         : options.text ? textImage(font, name, *options.text)
                                        : sheetImage(font);
    writeOutputFile(options.out, pngBytes(enlarged(image, options.scale)));
    return kSuccess;
}

}  // namespace cli
