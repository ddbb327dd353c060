#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <optional>

class EditedGlyph;

// The glyph drawn large on a grid, a widget that owns its zoom: one function maps a point to a
// pixel, a press and the moves that follow paint through it, the arrow keys move a pixel cursor
// and Space toggles the pixel under it. It changes nothing itself: it asks for each pixel to be
// painted, and redraws only the pixels the glyph reports changed.
class PixelEditor : public QWidget {
    Q_OBJECT

public:
    explicit PixelEditor(const EditedGlyph& glyph, QWidget* parent = nullptr);

    // The glyph's pixel under `point`, none off the grid.
    std::optional<QPoint> pixelAt(QPoint point) const;
    // Where a pixel is drawn, its grid lines included.
    QRect pixelRect(QPoint pixel) const;
    QPoint cursorPixel() const { return cursor_; }

    QSize sizeHint() const override;

signals:
    // `value` for `pixel`; `startsStroke` for a press or Space, false for the moves after a press.
    void paintRequested(QPoint pixel, bool value, bool startsStroke);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void moveCursor(QPoint to);
    void updatePixels(QRect pixels);

    const EditedGlyph& glyph_;
    int zoom_ = 20;  // screen pixels a side of a glyph pixel, large enough to aim at
    QPoint cursor_;
    std::optional<bool> strokeValue_;  // while a button is down
    QPoint lastPixel_;                 // of the stroke
};
