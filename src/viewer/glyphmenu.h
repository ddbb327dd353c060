#pragma once

#include <QMenu>
#include <optional>

#include "glyphview/glyphlayout.h"

class GlyphDescriber;

// The selected glyph's menu: Edit glyph... (which the window runs), Copy character and Copy code,
// which put the glyph's character ("中") or code ("0xD6D0") on the clipboard. Copy character is
// disabled for a glyph that no character names.
class GlyphMenu : public QMenu {
    Q_OBJECT

public:
    GlyphMenu(GlyphDescriber& describer, QWidget* parent);

    // Shows the menu of `spot` at `globalPos`, without waiting for a choice.
    void popupFor(const glyphview::GlyphSpot& spot, QPoint globalPos);

    // Put the glyph's character (when it has one) or code on the clipboard.
    void copyCharacter(const glyphview::GlyphSpot& spot);
    void copyCode(const glyphview::GlyphSpot& spot);

signals:
    void editRequested(const glyphview::GlyphSpot& spot);

private:
    GlyphDescriber& describer_;
    QAction* edit_;
    QAction* copyCharacter_;
    QAction* copyCode_;
    std::optional<glyphview::GlyphSpot> spot_;  // the glyph whose menu is up
};
