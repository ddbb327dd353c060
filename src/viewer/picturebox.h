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

    // The background: the palette's button-face colour.
    QRgb background() const;
    // Fills the image with the background.
    void clear();

    // The image drawing writes into (Format_RGB32, the inner size).
    QImage& canvas() { return image_; }

    float innerWidth() const { return static_cast<float>(image_.width()); }
    float innerHeight() const { return static_cast<float>(image_.height()); }

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
    int refreshCount_ = 0;
};
