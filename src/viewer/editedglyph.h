#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <vector>

#include "viewer/glyphpixels.h"

// The glyph the editor dialog changes: its pixels and a signal naming the pixels each change
// touched, so the views redraw only those. The dialog's undo commands are the only writers.
class EditedGlyph : public QObject {
    Q_OBJECT

public:
    EditedGlyph(GlyphPixels pixels, QObject* parent = nullptr);

    const GlyphPixels& pixels() const { return pixels_; }
    bool pixel(QPoint at) const { return pixels_.pixel(at.x(), at.y()); }
    // The area of the grid, in pixels.
    QRect area() const { return {0, 0, pixels_.columns(), pixels_.rows()}; }

    void setPixel(QPoint at, bool on);
    // The whole bitmap; the commands give it only bitmaps GlyphPixels made from this one.
    void setBitmap(const std::vector<std::uint8_t>& bitmap);

signals:
    void changed(QRect pixels);

private:
    GlyphPixels pixels_;
};
