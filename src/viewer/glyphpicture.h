#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <optional>
#include <span>

#include "bootfont/bootfontrecords.h"
#include "glyphview/glyphdrawing.h"
#include "glyphview/glyphlayout.h"
#include "runtime/checkedarray.h"
#include "viewer/picturebox.h"

class GlyphToolTip;

// The window's glyph picture: a PictureBox that keeps which glyph its last drawing put where, so
// the glyph under the pointer names itself to screen readers (the accessible description) and in
// a tooltip that lasts while the pointer stays on that glyph and shows it magnified beside the
// text. What a glyph says and how it looks large come from functions its owner sets; the picture
// knows only places. One glyph on show may be selected, framed until the next drawing: a click
// selects the glyph under the pointer, the arrow keys move the selection, and the selected glyph
// names itself to screen readers. Enter or a double-click asks to edit it, Ctrl+C to copy it, the
// right button or the Menu key for its menu; the owner does each.
class GlyphPicture : public PictureBox {
    Q_OBJECT

public:
    // The text of one glyph on show; empty when nothing is to be said of it.
    using Describer = std::function<QString(const glyphview::GlyphSpot&)>;
    // The glyph drawn large for its tooltip; a null image for none.
    using Magnifier = std::function<QImage(const glyphview::GlyphSpot&)>;

    explicit GlyphPicture(QSize innerSize, QWidget* parent = nullptr);

    void setDescriber(Describer describer) { describer_ = std::move(describer); }
    void setMagnifier(Magnifier magnifier) { magnifier_ = std::move(magnifier); }

    // Draws a table's glyphs into the image (see glyphview::drawGlyphs) and repaints once; the
    // glyphs drawn name themselves from then on, also when an error ends the drawing.
    void showGlyphs(const runtime::CheckedArray<bootfont::SbcsGlyphRecord>& glyphs,
                    const glyphview::GlyphRange& range);
    void showGlyphs(const runtime::CheckedArray<bootfont::DbcsGlyphRecord>& glyphs,
                    const glyphview::GlyphRange& range);
    // The glyphs on show no longer name themselves (they belong to a font replaced since) until
    // the next drawing.
    void forgetGlyphs();

    // The text of the glyph drawn at `point` of the image (inside the border); empty where no
    // glyph is.
    QString glyphDescriptionAt(QPoint point) const;
    // The tooltip that is up: the glyph's text and its magnified picture; empty and null when
    // none is.
    QString toolTipText() const;
    QImage toolTipPicture() const;

    // Selects glyph `index` of the table on show until the next drawing; false, and nothing
    // selected, when the last drawing did not show it.
    bool selectGlyph(int index);
    std::optional<glyphview::GlyphSpot> selectedGlyph() const { return selected_; }

    // Whether the last drawing showed glyph `index` of `table`.
    bool showsGlyph(bootfont::GlyphTable table, int index) const;
    // Draws glyph `index` on show again with `bitmap` (16 rows of its table's width) and repaints
    // only its cell; false, with nothing drawn, when a neighbour overlaps it (a header's width or
    // height smaller than the bitmap's), so only a new drawing of the view shows it right.
    bool redrawGlyph(int index, std::span<const std::uint8_t> bitmap);

signals:
    // The selected glyph is to be edited (Enter, a double-click), copied (Ctrl+C), or its menu
    // shown at `globalPos` (the right button, the Menu key).
    void editRequested();
    void copyRequested();
    void menuRequested(QPoint globalPos);
    // An arrow key moved the selection to glyph `index` of the table on show, which this drawing
    // does not show; whether that glyph exists is the owner's to know.
    void selectionLeftView(int index);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    template <typename Record>
    void draw(std::span<const Record> glyphs, const glyphview::GlyphRange& range);
    std::optional<glyphview::GlyphSpot> glyphAt(QPoint point) const;
    QString describe(const std::optional<glyphview::GlyphSpot>& spot) const;
    // Shows the tip of the glyph at `spot`, or hides the tip when there is nothing to say.
    void showToolTip(QPoint globalPos, const std::optional<glyphview::GlyphSpot>& spot);
    // The description screen readers read: the hovered glyph's, else the selected glyph's.
    void tellDescription(const QString& description);
    // Moves the selection `step` glyphs on (negative: back), to the first glyph when none is.
    void stepSelection(int step);

    glyphview::GlyphLayout shown_;
    // The glyph the pointer is over, so only a move onto another glyph builds a text.
    std::optional<int> hoveredIndex_;
    Describer describer_;
    Magnifier magnifier_;
    std::optional<glyphview::GlyphSpot> selected_;
    GlyphToolTip* tip_;
    std::optional<int> tipIndex_;  // the glyph the tip that is up tells of
};
