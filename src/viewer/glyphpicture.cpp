#include "viewer/glyphpicture.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

#include "viewer/form1layout.h"

namespace {

// Where the image starts inside the widget.
const QPoint kImageOrigin(viewer::layout::kPictureBorder, viewer::layout::kPictureBorder);

QRect qRect(const glyphview::PictureRect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

}  // namespace

GlyphPicture::GlyphPicture(QSize innerSize, QWidget* parent) : PictureBox(innerSize, parent) {
    setAccessibleName(QStringLiteral("字形"));
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
    glyphview::drawGlyphs(canvas(), background(), shown_, glyphs, range);
    refresh();
}

void GlyphPicture::forgetGlyphs() {
    shown_.clear();
    hoveredIndex_.reset();
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
            const auto spot = glyphAt(help->pos() - kImageOrigin);
            const QString text = describe(spot);
            if (text.isEmpty()) {
                QToolTip::hideText();
                event->ignore();
            } else {
                // The tip goes when the pointer leaves the glyph; the next glyph brings its own.
                QToolTip::showText(help->globalPos(), text, this,
                                   qRect(spot->box).translated(kImageOrigin));
            }
            return true;
        }
        default:
            break;
    }
    return PictureBox::event(event);
}
