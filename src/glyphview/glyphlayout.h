#pragma once

#include <optional>

#include "bootfont/bootfontrecords.h"

namespace glyphview {

// A point of the picture and a rectangle in it, in picture pixels from its top left.
struct PicturePoint {
    int x = 0;
    int y = 0;
};

struct PictureRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const PictureRect&, const PictureRect&) = default;
};

// One glyph of the picture: which it is and where it lies.
struct GlyphSpot {
    bootfont::GlyphTable table = bootfont::GlyphTable::Sbcs;
    int index = 0;    // in its table
    int page = 0;     // the double-byte page from 1; 0 in the single-byte view, which has none
    int row = 0;      // from 0, top row first
    int column = 0;   // from 0, left column first
    PictureRect box;  // the glyph's bitmap in picture pixels, cut short where the next cell begins
};

// Which glyphs the picture's last drawing put where. The drawing reports each glyph's corner as
// it goes, so the layout knows exactly how many glyphs were drawn and how many fill a row, and
// names the glyph under a point in a few divisions, whatever the pointer does.
class GlyphLayout {
public:
    // A new drawing of the table's glyphs from index `first` in cells of (W + 5) x (H + 5)
    // pixels; until the first add() no glyph is drawn.
    void start(bootfont::GlyphTable table, int first, int glyphWidth, int glyphHeight);
    // The picture shows nothing this layout can name.
    void clear();
    // The next glyph was drawn with its corner at (x, y).
    void add(PicturePoint corner);

    // The drawn glyph whose bitmap covers `point` (picture pixels); none in the margin, the gaps
    // between cells, a cell's blank part or past the last glyph.
    std::optional<GlyphSpot> glyphAt(PicturePoint point) const;
    // Glyph `index` of the table, where the drawing put it; none when it was not drawn.
    std::optional<GlyphSpot> glyph(int index) const;

    int count() const { return count_; }
    bootfont::GlyphTable table() const { return table_; }
    int first() const { return first_; }
    // The glyphs a row holds: all of them while the drawing has one row.
    int perRow() const { return perRow_ > 0 ? perRow_ : count_; }
    // Whether each glyph's box is its whole bitmap, which no neighbour overlaps.
    bool boxesWhole() const;

private:
    GlyphSpot spot(int row, int column, int perRow) const;

    bootfont::GlyphTable table_ = bootfont::GlyphTable::Sbcs;
    int first_ = 0;
    int count_ = 0;
    int perRow_ = 0;  // 0 until the second row begins
    int pitchX_ = 1;
    int pitchY_ = 1;
    int boxWidth_ = 0;
    int boxHeight_ = 0;
};

}  // namespace glyphview
