#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <span>
#include <vector>

#include "glyphview/bootscreen.h"

class QLabel;

// The edited glyph as it will be seen: at its real size, one screen pixel a pixel, and in a line
// of its neighbours as the boot screen draws it (the same drawing as `bootfont render --screen`),
// cut after the last cell. showGlyph() draws both again for a new bitmap.
class GlyphPreview : public QWidget {
    Q_OBJECT

public:
    // `line` holds the bitmaps of the glyph's neighbours, `editedCell` the glyph's own place among
    // them; every bitmap is `width` (8 or 16) pixels wide.
    GlyphPreview(int width, std::vector<std::vector<std::uint8_t>> line, std::size_t editedCell,
                 const glyphview::BootLineMetrics& metrics, QWidget* parent = nullptr);

    void showGlyph(std::span<const std::uint8_t> bitmap);

    QImage glyphImage() const { return glyph_; }
    // Null when the font's rows are 0 pixels high.
    QImage lineImage() const { return line_; }

private:
    int width_;
    std::vector<std::vector<std::uint8_t>> neighbours_;
    std::size_t editedCell_;
    glyphview::BootLineMetrics metrics_;
    QImage glyph_;
    QImage line_;
    QLabel* glyphLabel_ = nullptr;
    QLabel* lineLabel_ = nullptr;
};
