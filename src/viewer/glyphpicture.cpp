#include "viewer/glyphpicture.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "viewer/form1layout.h"
#include "viewer/glyphtooltip.h"

namespace {

// Where the image starts inside the widget.
const QPoint kImageOrigin(viewer::layout::kPictureBorder, viewer::layout::kPictureBorder);

// The frame of the selected glyph: 2 pixels wide in the 5-pixel gap around its bitmap, red as no
// glyph and no background is.
const QColor kFrameColor(220, 0, 0);
constexpr int kFrameWidth = 2;

QRect qRect(const glyphview::PictureRect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

}  // namespace

GlyphPicture::GlyphPicture(QSize innerSize, QWidget* parent)
    : PictureBox(innerSize, parent), tip_(new GlyphToolTip(this)) {
    setAccessibleName(tr("字形"));
    // Pointer moves without a button pressed name the glyph under the pointer.
    setMouseTracking(true);
}

void GlyphPicture::showGlyphs(const runtime::CheckedArray<bootfont::SbcsGlyphRecord>& glyphs,
                              const glyphview::GlyphRange& range) {
    draw(std::span(glyphs.begin(), glyphs.end()), range);
}

void GlyphPicture::showGlyphs(const runtime::CheckedArray<bootfont::DbcsGlyphRecord>& glyphs,
                              const glyphview::GlyphRange& range) {
    draw(std::span(glyphs.begin(), glyphs.end()), range);
}

template <typename Record>
void GlyphPicture::draw(std::span<const Record> glyphs, const glyphview::GlyphRange& range) {
    hoveredIndex_.reset();
    selected_.reset();
    tip_->hideTip();
    glyphview::drawGlyphs(canvas(), background(), shown_, glyphs, range);
    refresh();
}

void GlyphPicture::forgetGlyphs() {
    shown_.clear();
    hoveredIndex_.reset();
    selected_.reset();
    tip_->hideTip();
    update();
}

bool GlyphPicture::selectGlyph(int index) {
    selected_ = shown_.glyph(index);
    update();
    if (!hoveredIndex_) {
        tellDescription(describe(selected_));
    }
    return selected_.has_value();
}

bool GlyphPicture::showsGlyph(bootfont::GlyphTable table, int index) const {
    return shown_.table() == table && shown_.glyph(index).has_value();
}

bool GlyphPicture::redrawGlyph(int index, std::span<const std::uint8_t> bitmap) {
    const auto spot = shown_.glyph(index);
    if (!spot || !shown_.boxesWhole()) {
        return false;
    }
    glyphview::redrawGlyph(canvas(), background(), spot->box, bitmap);
    update(qRect(spot->box).translated(kImageOrigin));
    return true;
}

void GlyphPicture::tellDescription(const QString& description) {
    if (description == accessibleDescription()) {
        return;
    }
    setAccessibleDescription(description);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void GlyphPicture::stepSelection(int step) {
    if (shown_.count() == 0) {
        return;
    }
    if (!selected_) {
        selectGlyph(shown_.first());
        return;
    }
    const int index = selected_->index + step;
    if (shown_.glyph(index)) {
        selectGlyph(index);
    } else {
        emit selectionLeftView(index);
    }
}

std::optional<glyphview::GlyphSpot> GlyphPicture::glyphAt(QPoint point) const {
    return shown_.glyphAt({point.x(), point.y()});
}

QString GlyphPicture::describe(const std::optional<glyphview::GlyphSpot>& spot) const {
    return spot && describer_ ? describer_(*spot) : QString();
}

QString GlyphPicture::glyphDescriptionAt(QPoint point) const {
    return describe(glyphAt(point));
}

QString GlyphPicture::toolTipText() const {
    return tip_->text();
}

QImage GlyphPicture::toolTipPicture() const {
    return tip_->picture();
}

void GlyphPicture::showToolTip(QPoint globalPos, const std::optional<glyphview::GlyphSpot>& spot) {
    const QString text = describe(spot);
    if (text.isEmpty()) {
        tip_->hideTip();
        return;
    }
    tipIndex_ = spot->index;
    tip_->showTip(globalPos, text, magnifier_ ? magnifier_(*spot) : QImage());
}

void GlyphPicture::paintEvent(QPaintEvent* event) {
    PictureBox::paintEvent(event);
    if (selected_) {
        QPainter painter(this);
        painter.setPen(QPen(kFrameColor, kFrameWidth));
        painter.setBrush(Qt::NoBrush);
        // The pen straddles the path: the frame covers the 2 pixels just outside a 1-pixel margin.
        const qreal outset = 1 + kFrameWidth / 2.0;
        painter.drawRect(QRectF(qRect(selected_->box).translated(kImageOrigin))
                             .adjusted(-outset, -outset, outset, outset));
    }
}

bool GlyphPicture::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseMove: {
            // Only a move onto another glyph builds a text; the rest is a few divisions.
            const auto* move = static_cast<QMouseEvent*>(event);
            const auto spot = glyphAt(move->position().toPoint() - kImageOrigin);
            const std::optional<int> index = spot ? std::optional(spot->index) : std::nullopt;
            if (index != hoveredIndex_) {
                hoveredIndex_ = index;
                setAccessibleDescription(describe(spot));
            }
            // A tip that is up follows the pointer onto the next glyph at once, as QToolTip's
            // next tip does, and goes in a gap.
            if (tip_->isVisible() && index != tipIndex_) {
                showToolTip(move->globalPosition().toPoint(), spot);
            }
            break;
        }
        case QEvent::Leave:
            hoveredIndex_.reset();
            tellDescription(describe(selected_));
            tip_->hideTip();
            break;
        case QEvent::ToolTip: {
            const auto* help = static_cast<QHelpEvent*>(event);
            const auto spot = glyphAt(help->pos() - kImageOrigin);
            showToolTip(help->globalPos(), spot);
            if (!tip_->isVisible()) {
                event->ignore();
            }
            return true;
        }
        default:
            break;
    }
    return PictureBox::event(event);
}

void GlyphPicture::mousePressEvent(QMouseEvent* event) {
    PictureBox::mousePressEvent(event);
    if (const auto spot = glyphAt(event->position().toPoint() - kImageOrigin)) {
        selectGlyph(spot->index);
    }
}

void GlyphPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && glyphAt(event->position().toPoint() - kImageOrigin)) {
        emit editRequested();
    }
}

void GlyphPicture::keyPressEvent(QKeyEvent* event) {
    const int perRow = std::max(1, shown_.perRow());
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (event->matches(QKeySequence::Copy)) {
        if (selected_) {
            emit copyRequested();
        }
        return;
    }
    if (!plain) {
        PictureBox::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            stepSelection(-1);
            break;
        case Qt::Key_Right:
            stepSelection(1);
            break;
        case Qt::Key_Up:
            stepSelection(-perRow);
            break;
        case Qt::Key_Down:
            stepSelection(perRow);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (selected_) {
                emit editRequested();
            }
            break;
        default:
            PictureBox::keyPressEvent(event);
    }
}

void GlyphPicture::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse) {
        const auto spot = glyphAt(event->pos() - kImageOrigin);
        if (!spot) {
            return;
        }
        selectGlyph(spot->index);
        emit menuRequested(event->globalPos());
    } else if (selected_) {
        emit menuRequested(mapToGlobal(qRect(selected_->box).translated(kImageOrigin).center()));
    }
}
