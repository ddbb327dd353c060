#include "viewer/picturebox.h"

#include <qdrawutil.h>
#include <QPainter>

#include "viewer/form1layout.h"

PictureBox::PictureBox(QSize innerSize, QWidget* parent)
    : QWidget(parent), image_(innerSize, QImage::Format_RGB32) {
    const int border = viewer::layout::kPictureBorder;
    setFixedSize(innerSize.width() + 2 * border, innerSize.height() + 2 * border);
    setFocusPolicy(Qt::StrongFocus);
    // The image covers everything inside the border, so Qt need not erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    clear();
}

QRgb PictureBox::background() const {
    return palette().color(QPalette::Button).rgb();
}

void PictureBox::clear() {
    image_.fill(background());
}

void PictureBox::refresh() {
    ++refreshCount_;
    update();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), /*sunken=*/true);
    // Glyph pixels stay crisp squares at any screen scale: nearest-neighbour, never smoothed.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const int border = viewer::layout::kPictureBorder;
    painter.drawImage(QRect(QPoint(border, border), image_.size()), image_);
}
