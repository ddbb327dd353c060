#pragma once

#include <QImage>
#include <QWidget>

// A drawing area with a sunken 2-pixel border around a persistent image. Drawing goes into the
// image only, in pixel units; the screen is repainted from the image when refresh() asks for it
// and whenever the area is exposed, so nothing drawn is lost.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    PictureBox(QSize innerSize, QWidget* parent = nullptr);

    // Fills the image with the background: the palette's button-face colour.
    void clear();

    // Sets one pixel of the image; a pixel outside it is clipped, as drawing off the edge is.
    void setPixel(int x, int y, QRgb color) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) {
            pixels_[static_cast<qsizetype>(y) * stride_ + x] = color;
        }
    }

    float innerWidth() const { return static_cast<float>(width_); }
    float innerHeight() const { return static_cast<float>(height_); }

    // Schedules one repaint of the screen from the image.
    void refresh();

    // A snapshot of the image; the picture's own image is never shared, so drawing can write
    // straight into its pixels.
    QImage image() const { return image_.copy(); }
    int refreshCount() const { return refreshCount_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    // The image's size and pixels, kept at hand: a page sets up to 128,000 pixels.
    int width_;
    int height_;
    QRgb* pixels_;
    qsizetype stride_;  // pixels per image line
    int refreshCount_ = 0;
};
