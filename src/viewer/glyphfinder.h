#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "bootfont/loadedfont.h"
#include "viewer/glyphsearch.h"

class FindDialog;
class GlyphDescriber;
class QWidget;
class WindowMessages;

// Finding glyphs of the font on show for the window: Ctrl+F's dialog, the text it sends read as
// a query (viewer/glyphsearch.h), the messages for a text that is no query or names no glyph of
// the font, and the glyph found last, where F3 goes on from. The window shows what it finds.
class GlyphFinder : public QObject {
    Q_OBJECT

public:
    // Finds glyphs of `font` for `window`, characters through `describer`'s code page, and tells
    // what it cannot find through `messages`.
    GlyphFinder(QWidget* window, const bootfont::LoadedFont& font, GlyphDescriber& describer,
                const WindowMessages& messages);

    // Shows the find dialog, made the first time, with its text selected for a new one; each
    // text it sends comes as findRequested().
    void openDialog();
    // Closes the dialog, once the glyph it asked for is shown.
    void closeDialog();

    // The first glyph that `text` (a character, "U+4E2D", "0xD6D0" or "D6D0") names, from then on
    // the glyph found last. A text that is no query or names no glyph is told, and gives none.
    std::optional<viewer::GlyphPlace> find(const QString& text);
    // The next glyph of the last find, from the first one again after the last: none before a
    // find, and none, told, when the font on show has none.
    std::optional<viewer::GlyphPlace> findNext();
    // Another font is on show: the next findNext() starts from its first glyph.
    void fontOpened() { found_.reset(); }

signals:
    void findRequested(const QString& text);

private:
    // The first glyph after `after` that `query` names; none, told, when the font has none.
    std::optional<viewer::GlyphPlace> search(const viewer::GlyphQuery& query,
                                             std::optional<viewer::GlyphPlace> after);
    void tellMissing(const viewer::GlyphQuery& query);

    QWidget* window_;
    const bootfont::LoadedFont& font_;
    GlyphDescriber& describer_;
    const WindowMessages& messages_;
    FindDialog* dialog_ = nullptr;  // made on the first openDialog()
    std::optional<viewer::GlyphQuery> query_;
    std::optional<viewer::GlyphPlace> found_;
};
