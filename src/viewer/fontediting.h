#pragma once

#include <QObject>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "bootfont/fontfile.h"
#include "bootfont/loadedfont.h"
#include "glyphview/glyphlayout.h"
#include "viewer/fontsaver.h"
#include "viewer/glypheditrequest.h"

class GlyphDescriber;
class QWidget;
class WindowMessages;

namespace commondialog {
class DialogPlatform;
}

namespace viewer {

class FontDocument;

// The window's edits of the font on show: the document of the opened file, the glyph editor run
// on a glyph, the edits' undo and redo (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y), and saving (Ctrl+S;
// Ctrl+Shift+S to another file). Each applied edit, undo and redo writes the glyph's new bitmap
// into the window's tables and is announced, so the picture redraws it; the window's title carries
// Qt's modified mark while edits are unsaved.
class FontEditing : public QObject {
    Q_OBJECT

public:
    using Bitmap = std::vector<std::uint8_t>;
    // Runs the glyph editor over `parent`: the edited bitmap, or none when it was cancelled. The
    // glyph editor dialog unless set otherwise.
    using Editor = std::function<std::optional<Bitmap>(const GlyphEditRequest&, QWidget* parent)>;

    FontEditing(QWidget* window, bootfont::LoadedFont& font, GlyphDescriber& describer,
                commondialog::DialogPlatform& dialogs, const WindowMessages& messages);
    ~FontEditing() override;

    void setEditor(Editor editor) { editor_ = std::move(editor); }
    FontSaver& saver() { return saver_; }

    // The document of the font on show; null before a font was accepted.
    FontDocument* document() const { return document_.get(); }
    // `file`, read from `path`, is the font on show now, unedited.
    void fontOpened(bootfont::FontFile file, const std::filesystem::path& path);
    // Before the font on show is replaced or the window closes (FontSaver::maybeSave): true when
    // the caller may go on.
    bool maybeSave();

    // Runs the editor on the glyph and applies what it returns as one edit. A glyph the file does
    // not hold whole is told and not edited.
    void edit(const glyphview::GlyphSpot& spot);
    void undo();
    void redo();
    void save();
    void saveAs();

signals:
    // The glyph's bitmap in the window's tables changed.
    void glyphChanged(bootfont::GlyphTable table, int index);

private:
    GlyphEditRequest request(const glyphview::GlyphSpot& spot);
    void markModified(bool modified);
    // Writes the document's bitmap of the glyph into the window's tables.
    void applyToTables(bootfont::GlyphTable table, int index);

    QWidget* window_;
    bootfont::LoadedFont& font_;
    GlyphDescriber& describer_;
    const WindowMessages& messages_;
    FontSaver saver_;
    Editor editor_;
    std::unique_ptr<FontDocument> document_;
};

}  // namespace viewer
