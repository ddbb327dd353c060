#include "viewer/pixeleditor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "viewer/editedglyph.h"

namespace {

const QColor kInk(Qt::black);
const QColor kPaper(Qt::white);
const QColor kGrid(0xC0, 0xC0, 0xC0);
constexpr int kCursorPen = 2;

// The pixel a coordinate falls in, rounding down on the negative side too.
int cellOf(int coordinate, int zoom) {
    return coordinate >= 0 ? coordinate / zoom : -1 - (-1 - coordinate) / zoom;
}

}  // namespace

PixelEditor::PixelEditor(const EditedGlyph& glyph, QWidget* parent)
    : QWidget(parent), glyph_(glyph) {
    setObjectName(QStringLiteral("PixelEditor"));
    setAccessibleName(tr("字形像素网格"));
    setAccessibleDescription(tr("单击或拖动绘制像素；方向键移动光标，空格键切换光标处的像素"));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&glyph_, &EditedGlyph::changed, this, &PixelEditor::updatePixels);
}

std::optional<QPoint> PixelEditor::pixelAt(QPoint point) const {
    const QPoint pixel(cellOf(point.x(), zoom_), cellOf(point.y(), zoom_));
    if (!glyph_.area().contains(pixel)) {
        return std::nullopt;
    }
    return pixel;
}

QRect PixelEditor::pixelRect(QPoint pixel) const {
    return {pixel.x() * zoom_, pixel.y() * zoom_, zoom_ + 1, zoom_ + 1};
}

QSize PixelEditor::sizeHint() const {
    const QRect area = glyph_.area();
    return {area.width() * zoom_ + 1, area.height() * zoom_ + 1};
}

void PixelEditor::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, kGrid);
    // Only the pixels whose cells meet the dirty rectangle.
    const QRect area = glyph_.area();
    const int left = std::max(area.left(), cellOf(dirty.left() - 1, zoom_));
    const int right = std::min(area.right(), cellOf(dirty.right(), zoom_));
    const int top = std::max(area.top(), cellOf(dirty.top() - 1, zoom_));
    const int bottom = std::min(area.bottom(), cellOf(dirty.bottom(), zoom_));
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const QPoint pixel(x, y);
            painter.fillRect(pixelRect(pixel).adjusted(1, 1, -1, -1),
                             glyph_.pixel(pixel) ? kInk : kPaper);
        }
    }
    if (glyph_.area().contains(cursor_) && dirty.intersects(pixelRect(cursor_))) {
        const QPen pen(palette().color(QPalette::Highlight), kCursorPen);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(pixelRect(cursor_).adjusted(1, 1, -kCursorPen, -kCursorPen));
    }
}

void PixelEditor::mousePressEvent(QMouseEvent* event) {
    const std::optional<QPoint> pixel = pixelAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !pixel) {
        QWidget::mousePressEvent(event);
        return;
    }
    strokeValue_ = !glyph_.pixel(*pixel);
    lastPixel_ = *pixel;
    moveCursor(*pixel);
    emit paintRequested(*pixel, *strokeValue_, true);
}

void PixelEditor::mouseMoveEvent(QMouseEvent* event) {
    if (!strokeValue_) {
        return;
    }
    const QPoint point = event->position().toPoint();
    const QPoint to(cellOf(point.x(), zoom_), cellOf(point.y(), zoom_));
    // Every pixel on the way from the last one, so a quick drag leaves no gaps.
    const QPoint from = lastPixel_;
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    for (int step = 1; step <= steps; ++step) {
        const QPoint pixel(from.x() + (to.x() - from.x()) * step / steps,
                           from.y() + (to.y() - from.y()) * step / steps);
        if (glyph_.area().contains(pixel)) {
            emit paintRequested(pixel, *strokeValue_, false);
        }
    }
    lastPixel_ = to;
}

void PixelEditor::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        strokeValue_.reset();
    }
    QWidget::mouseReleaseEvent(event);
}

void PixelEditor::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            moveCursor(cursor_ + QPoint(-1, 0));
            break;
        case Qt::Key_Right:
            moveCursor(cursor_ + QPoint(1, 0));
            break;
        case Qt::Key_Up:
            moveCursor(cursor_ + QPoint(0, -1));
            break;
        case Qt::Key_Down:
            moveCursor(cursor_ + QPoint(0, 1));
            break;
        case Qt::Key_Space:
            emit paintRequested(cursor_, !glyph_.pixel(cursor_), true);
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void PixelEditor::moveCursor(QPoint to) {
    const QRect area = glyph_.area();
    const QPoint held(std::clamp(to.x(), area.left(), area.right()),
                      std::clamp(to.y(), area.top(), area.bottom()));
    if (held != cursor_) {
        update(pixelRect(cursor_));
        cursor_ = held;
        update(pixelRect(cursor_));
    }
}

void PixelEditor::updatePixels(QRect pixels) {
    update(QRect(pixels.left() * zoom_, pixels.top() * zoom_, pixels.width() * zoom_ + 1,
                 pixels.height() * zoom_ + 1));
}
