#include "viewer/glyphpicture.h"

#include <QBuffer>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "viewer/form1layout.h"

namespace {

// Where the image starts inside the widget.
const QPoint kImageOrigin(viewer::layout::kPictureBorder, viewer::layout::kPictureBorder);

// The frame of a found glyph: 2 pixels wide in the 5-pixel gap around its bitmap, red as no glyph
// and no background is.
const QColor kFrameColor(220, 0, 0);
constexpr int kFrameWidth = 2;

QRect qRect(const glyphview::PictureRect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

// The text beside the picture, in a table's two cells. PNG is the image format rich text reads
// from a data address; at zlib's fastest level a tooltip's picture takes a few microseconds.
QString richToolTip(const QString& text, const QImage& picture) {
    QString html = QStringLiteral(
                       "<table cellspacing=\"0\" cellpadding=\"0\"><tr>"
                       "<td valign=\"middle\" style=\"white-space:pre\">") +
                   text.toHtmlEscaped() + QStringLiteral("</td>");
    if (!picture.isNull()) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG", /*quality, fastest compression*/ 90);
        html +=
            QStringLiteral(
                "<td width=\"8\"></td><td valign=\"middle\"><img src=\"data:image/png;base64,") +
            QLatin1String(png.toBase64()) + QStringLiteral("\"></td>");
    }
    return html + QStringLiteral("</tr></table>");
}

}  // namespace

GlyphPicture::GlyphPicture(QSize innerSize, QWidget* parent) : PictureBox(innerSize, parent) {
    setAccessibleName(tr("字形"));
    // Pointer moves without a button pressed name the glyph under the pointer.
    setMouseTracking(true);
}

void GlyphPicture::showGlyphs(std::span<const bootfont::SbcsGlyphRecord> glyphs,
                              const glyphview::GlyphRange& range) {
    draw(glyphs, range);
}

void GlyphPicture::showGlyphs(std::span<const bootfont::DbcsGlyphRecord> glyphs,
                              const glyphview::GlyphRange& range) {
    draw(glyphs, range);
}

template <typename Record>
void GlyphPicture::draw(std::span<const Record> glyphs, const glyphview::GlyphRange& range) {
    hoveredIndex_.reset();
    framed_.reset();
    glyphview::drawGlyphs(canvas(), background(), shown_, glyphs, range);
    refresh();
}

void GlyphPicture::forgetGlyphs() {
    shown_.clear();
    hoveredIndex_.reset();
    framed_.reset();
    update();
}

bool GlyphPicture::frameGlyph(int index) {
    framed_ = shown_.glyph(index);
    update();
    return framed_.has_value();
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

QString GlyphPicture::toolTipAt(QPoint point) const {
    const auto spot = glyphAt(point);
    const QString text = describe(spot);
    if (text.isEmpty()) {
        return text;
    }
    return richToolTip(text, magnifier_ ? magnifier_(*spot) : QImage());
}

void GlyphPicture::paintEvent(QPaintEvent* event) {
    PictureBox::paintEvent(event);
    if (framed_) {
        QPainter painter(this);
        painter.setPen(QPen(kFrameColor, kFrameWidth));
        painter.setBrush(Qt::NoBrush);
        // The pen straddles the path: the frame covers the 2 pixels just outside a 1-pixel margin.
        const qreal outset = 1 + kFrameWidth / 2.0;
        painter.drawRect(QRectF(qRect(framed_->box).translated(kImageOrigin))
                             .adjusted(-outset, -outset, outset, outset));
    }
}

bool GlyphPicture::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseMove: {
            // Only a move onto another glyph builds a text; the rest is a few divisions.
            const auto spot =
                glyphAt(static_cast<QMouseEvent*>(event)->position().toPoint() - kImageOrigin);
            const std::optional<int> index = spot ? std::optional(spot->index) : std::nullopt;
            if (index != hoveredIndex_) {
                hoveredIndex_ = index;
                setAccessibleDescription(describe(spot));
            }
            break;
        }
        case QEvent::Leave:
            hoveredIndex_.reset();
            setAccessibleDescription({});
            break;
        case QEvent::ToolTip: {
            const auto* help = static_cast<QHelpEvent*>(event);
            const QPoint point = help->pos() - kImageOrigin;
            const QString text = toolTipAt(point);
            if (text.isEmpty()) {
                QToolTip::hideText();
                event->ignore();
            } else {
                // The tip goes when the pointer leaves the glyph; the next glyph brings its own.
                QToolTip::showText(help->globalPos(), text, this,
                                   qRect(glyphAt(point)->box).translated(kImageOrigin));
            }
            return true;
        }
        default:
            break;
    }
    return PictureBox::event(event);
}
