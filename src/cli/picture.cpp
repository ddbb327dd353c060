#include "cli/picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <algorithm>
#include <array>
#include <cstring>

#include "bootfont/codepage.h"
#include "cli/failure.h"
#include "cli/presentation.h"
#include "runtime/numbertext.h"

namespace cli {
namespace {

// Qt's PNG writer turns quality q into zlib level (100 - q) * 9 / 91: 80 is level 1.
constexpr int kFastestPngQuality = 80;

constexpr int kDigitScale = 2;
constexpr int kRows = static_cast<int>(bootfont::kGlyphRows);

// clang-format off
// Hex digits 0 to F, 3 x 5 pixels, rows from the top, 3 bits each, the leftmost pixel highest.
constexpr std::array<std::uint16_t, 16> kDigits{
    0b111'101'101'101'111, 0b010'110'010'010'111, 0b111'001'111'100'111, 0b111'001'111'001'111,
    0b101'101'111'001'001, 0b111'100'111'001'111, 0b111'100'111'101'111, 0b111'001'001'001'001,
    0b111'101'111'101'111, 0b111'101'111'001'111, 0b010'101'111'101'101, 0b110'101'110'101'110,
    0b111'100'100'100'111, 0b110'101'101'101'110, 0b111'100'111'100'111, 0b111'100'111'100'100,
};
// clang-format on
static_assert(kLabelHeight == 5 * kDigitScale && kLabelDigitAdvance == 4 * kDigitScale);

void checkAllocated(const QImage& image, int width, int height) {
    if (image.isNull()) {
        failUsage("an image of " + runtime::decimalText(width) + " x " +
                  runtime::decimalText(height) + " pixels is too large");
    }
}

// Sets or clears one pixel, if it lies inside the image.
void put(QImage& image, int x, int y, bool inverted) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) {
        return;
    }
    uchar* line = image.scanLine(y);
    if (inverted) {
        line[x >> 3] = static_cast<uchar>(line[x >> 3] & ~(0x80 >> (x & 7)));
    } else {
        ink(line, x);
    }
}

}  // namespace

QImage twoColourImage(int width, int height, QRgb background, QRgb inkColour) {
    QImage image(width, height, QImage::Format_Mono);
    checkAllocated(image, width, height);
    image.setColorTable({background, inkColour});
    image.fill(0);
    return image;
}

void plotBitmap(QImage& image, int x, int y, std::span<const std::uint8_t> bitmap, int width,
                bool inverted) {
    const int bytesPerRow = width / 8;
    const int first = std::max(0, -x);
    const int last = std::min(width, image.width() - x);
    for (int row = 0; row < kRows; ++row) {
        if (y + row < 0 || y + row >= image.height()) {
            continue;
        }
        uchar* line = image.scanLine(y + row);
        const std::uint8_t* bits = bitmap.data() + row * bytesPerRow;
        for (int column = first; column < last; ++column) {
            if (!inkAt(bits, column)) {
                continue;
            }
            const int px = x + column;
            if (inverted) {
                line[px >> 3] = static_cast<uchar>(line[px >> 3] & ~(0x80 >> (px & 7)));
            } else {
                ink(line, px);
            }
        }
    }
}

void plotMissingBox(QImage& image, int x, int y, int width, bool inverted) {
    const int right = x + width - 2;
    const int bottom = y + kRows - 2;
    for (int px = x + 1; px <= right; ++px) {
        put(image, px, y + 1, inverted);
        put(image, px, bottom, inverted);
    }
    for (int py = y + 1; py <= bottom; ++py) {
        put(image, x + 1, py, inverted);
        put(image, right, py, inverted);
    }
}

void drawLabel(QImage& image, int x, int y, std::uint16_t code, int digits) {
    for (int d = 0; d < digits; ++d) {
        const std::uint16_t shape = kDigits[code >> 4 * (digits - 1 - d) & 0xF];
        for (int bit = 0; bit < 15; ++bit) {
            if ((shape >> (14 - bit) & 1) == 0) {
                continue;
            }
            const int left = x + d * kLabelDigitAdvance + bit % 3 * kDigitScale;
            const int top = y + bit / 3 * kDigitScale;
            for (int dy = 0; dy < kDigitScale; ++dy) {
                for (int dx = 0; dx < kDigitScale; ++dx) {
                    ink(image.scanLine(top + dy), left + dx);
                }
            }
        }
    }
}

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

std::string lackingText(std::span<const TextCell> cells) {
    std::u32string lacking;
    std::int64_t missing = 0;
    for (const TextCell& cell : cells) {
        if (cell.bitmap.empty()) {
            ++missing;
            if (lacking.find(cell.character) == std::u32string::npos) {
                lacking += cell.character;
            }
        }
    }
    if (missing == 0) {
        return {};
    }
    std::string text = "the font lacks " + runtime::decimalText(missing) + " of the " +
                       runtime::countText(std::ssize(cells), "character", "characters") + ":";
    for (const char32_t character : lacking) {
        text += " " + encodeUtf8(character) + " (" + runtime::codePointText(character) + ")";
    }
    return text;
}

}  // namespace cli
