#include "glyphview/twocolourpicture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <array>
#include <cstring>

#include "glyphview/bitmapplotter.h"
#include "glyphview/pictureerror.h"
#include "runtime/numbertext.h"

namespace glyphview {
namespace {

// Qt's PNG writer turns quality q into zlib level (100 - q) * 9 / 91: 80 is level 1.
constexpr int kFastestPngQuality = 80;

constexpr int kRows = static_cast<int>(bootfont::kGlyphRows);
constexpr int kDigitScale = 2;

// clang-format off
// The boxes of lacking characters as bitmaps, one pixel inside the cell: rows 1 and 14 inked
// across, the rows between at both sides.
constexpr std::array<std::uint8_t, 16> kSbcsMissingBox{
    0x00, 0x7E, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x7E, 0x00};
constexpr std::array<std::uint8_t, 32> kDbcsMissingBox{
    0x00, 0x00, 0x7F, 0xFE, 0x40, 0x02, 0x40, 0x02, 0x40, 0x02, 0x40, 0x02, 0x40, 0x02, 0x40, 0x02,
    0x40, 0x02, 0x40, 0x02, 0x40, 0x02, 0x40, 0x02, 0x40, 0x02, 0x40, 0x02, 0x7F, 0xFE, 0x00, 0x00};

// Hex digits 0 to F, 3 x 5 pixels, rows from the top, 3 bits each, the leftmost pixel highest.
constexpr std::array<std::uint16_t, 16> kDigits{
    0b111'101'101'101'111, 0b010'110'010'010'111, 0b111'001'111'100'111, 0b111'001'111'001'111,
    0b101'101'111'001'001, 0b111'100'111'001'111, 0b111'100'111'101'111, 0b111'001'001'001'001,
    0b111'101'111'101'111, 0b111'101'111'001'111, 0b010'101'111'101'101, 0b110'101'110'101'110,
    0b111'100'100'100'111, 0b110'101'101'101'110, 0b111'100'111'100'111, 0b111'100'111'100'100,
};
// clang-format on
static_assert(kLabelHeight == 5 * kDigitScale && kLabelDigitAdvance == 4 * kDigitScale);

// Each digit drawn twice as large into the top left of a single-byte glyph's bitmap, so labels
// go through the same plotter as glyphs.
constexpr std::array<std::array<std::uint8_t, kRows>, 16> kDigitBitmaps = [] {
    std::array<std::array<std::uint8_t, kRows>, 16> digits{};
    for (std::size_t digit = 0; digit < digits.size(); ++digit) {
        for (int bit = 0; bit < 15; ++bit) {
            if ((kDigits[digit] >> (14 - bit) & 1) == 0) {
                continue;
            }
            for (int dy = 0; dy < kDigitScale; ++dy) {
                for (int dx = 0; dx < kDigitScale; ++dx) {
                    const int row = bit / 3 * kDigitScale + dy;
                    const int column = bit % 3 * kDigitScale + dx;
                    digits[digit][row] =
                        static_cast<std::uint8_t>(digits[digit][row] | 0x80 >> column);
                }
            }
        }
    }
    return digits;
}();

QImage allocated(int width, int height) {
    QImage image(width, height, QImage::Format_Mono);
    if (image.isNull()) {
        throw PictureError("an image of " + runtime::decimalText(width) + " x " +
                           runtime::decimalText(height) + " pixels is too large");
    }
    return image;
}

}  // namespace

QImage twoColourImage(int width, int height, QRgb background, QRgb inkColour) {
    QImage image = allocated(width, height);
    image.setColorTable({background, inkColour});
    image.fill(0);
    return image;
}

void drawBitmap(QImage& image, int x, int y, std::span<const std::uint8_t> bitmap, int width,
                bool inverted) {
    uchar* const pixels = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const auto byteOf = [&](int px, int py) -> uchar& {
        return pixels[static_cast<qsizetype>(py) * stride + (px >> 3)];
    };
    if (inverted) {
        plotBitmap(bitmap, width, x, y, image.width(), image.height(), [&](int px, int py) {
            byteOf(px, py) = static_cast<uchar>(byteOf(px, py) & ~(0x80 >> (px & 7)));
        });
    } else {
        plotBitmap(bitmap, width, x, y, image.width(), image.height(), [&](int px, int py) {
            byteOf(px, py) = static_cast<uchar>(byteOf(px, py) | 0x80 >> (px & 7));
        });
    }
}

void drawMissingBox(QImage& image, int x, int y, int width, bool inverted) {
    if (width == bootfont::kDbcsGlyphWidth) {
        drawBitmap(image, x, y, kDbcsMissingBox, width, inverted);
    } else {
        drawBitmap(image, x, y, kSbcsMissingBox, bootfont::kSbcsGlyphWidth, inverted);
    }
}

void drawLabel(QImage& image, int x, int y, std::uint16_t code, int digits) {
    for (int d = 0; d < digits; ++d) {
        drawBitmap(image, x + d * kLabelDigitAdvance, y,
                   kDigitBitmaps[code >> 4 * (digits - 1 - d) & 0xF], bootfont::kSbcsGlyphWidth);
    }
}

QImage enlarged(const QImage& image, int scale) {
    if (scale == 1) {
        return image;
    }
    const int width = image.width() * scale;
    QImage out = allocated(width, image.height() * scale);
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
        throw PictureError("cannot make the PNG: " + writer.errorString().toStdString());
    }
    return bytes.toStdString();
}

}  // namespace glyphview
