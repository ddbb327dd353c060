#include "viewer/glyphtooltip.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QToolTip>
#include <algorithm>

namespace {

// Where QToolTip puts a tip: 2 pixels right of the pointer and 16 below, clear of the cursor.
const QPoint kOffset(2, 16);

}  // namespace

GlyphToolTip::GlyphToolTip(QWidget* owner)
    : QFrame(owner, Qt::ToolTip | Qt::BypassGraphicsProxyWidget) {
    setObjectName(QStringLiteral("GlyphToolTip"));
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("GlyphToolTipText"));
    text_->setTextFormat(Qt::PlainText);
    text_->setForegroundRole(QPalette::ToolTipText);
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("GlyphToolTipPicture"));
    auto* layout = new QHBoxLayout(this);
    const int margin = 1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(8);
    layout->addWidget(text_, 0, Qt::AlignVCenter);
    layout->addWidget(picture_, 0, Qt::AlignVCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void GlyphToolTip::showTip(QPoint globalPos, const QString& text, const QImage& picture) {
    text_->setText(text);
    picture_->setPixmap(QPixmap::fromImage(picture));
    picture_->setVisible(!picture.isNull());
    layout()->activate();
    const QScreen* screen = QGuiApplication::screenAt(globalPos);
    const QRect area = (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry();
    QPoint corner = globalPos + kOffset;
    // Left of the screen's right edge; above the pointer when there is no room below it.
    corner.setX(std::max(area.left(), std::min(corner.x(), area.right() + 1 - width())));
    if (corner.y() + height() > area.bottom() + 1) {
        corner.setY(std::max(area.top(), globalPos.y() - height() - 4));
    }
    move(corner);
    if (!isVisible()) {
        qApp->installEventFilter(this);
        show();
    }
}

void GlyphToolTip::hideTip() {
    if (isVisible()) {
        qApp->removeEventFilter(this);
        hide();
    }
}

QString GlyphToolTip::text() const {
    return isVisible() ? text_->text() : QString();
}

QImage GlyphToolTip::picture() const {
    return isVisible() && picture_->isVisible() ? picture_->pixmap().toImage() : QImage();
}

bool GlyphToolTip::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::WindowDeactivate:
        case QEvent::FocusOut:
            hideTip();
            break;
        default:
            break;
    }
    return QFrame::eventFilter(watched, event);
}

void GlyphToolTip::paintEvent(QPaintEvent* event) {
    // The desktop's tooltip panel behind the labels, as QToolTip draws it.
    QStylePainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    painter.drawPrimitive(QStyle::PE_PanelTipLabel, frame);
    QFrame::paintEvent(event);
}
