#pragma once

#include <QObject>
#include <QUndoStack>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "bootfont/fontfile.h"
#include "viewer/filestamp.h"

namespace viewer {

// The font the window edits: the opened file's bytes, the glyphs edited since, and the undo stack
// of those edits, one step per glyph edit. An edit replaces one glyph's bitmap and nothing else,
// so bytes() is the opened file with only the edited bitmaps changed: unedited, the same bytes.
class FontDocument : public QObject {
    Q_OBJECT

public:
    using Bitmap = std::vector<std::uint8_t>;

    // `file` as read from `path` when the file had `stamp`.
    FontDocument(bootfont::FontFile file, std::filesystem::path path,
                 std::optional<FileStamp> stamp, QObject* parent = nullptr);
    ~FontDocument() override;

    const bootfont::FontFile& file() const { return file_; }
    // The file a save writes to: the opened one, or the one saved to last.
    const std::filesystem::path& path() const { return path_; }
    // The file's stamp when the document last read or wrote it.
    const std::optional<FileStamp>& stamp() const { return stamp_; }

    QUndoStack& undoStack() { return undo_; }
    // Edits not yet saved: the undo stack is away from where the last save (or the open) left it.
    bool isModified() const { return !undo_.isClean(); }

    // Whether glyph `index` of `table` can be edited: the file holds its whole record.
    bool editable(bootfont::GlyphTable table, int index) const;
    // The glyph's bitmap as the opened file holds it, and as the edits leave it.
    Bitmap originalBitmap(bootfont::GlyphTable table, int index) const;
    Bitmap bitmap(bootfont::GlyphTable table, int index) const;

    // Gives the glyph `bitmap`, as one step on the undo stack; an unchanged bitmap is no step.
    // Raises BootFontError (invalid argument) for a glyph that is not editable or a bitmap of
    // another size than the table's.
    void editGlyph(bootfont::GlyphTable table, int index, Bitmap bitmap);

    // The file's bytes with the edited bitmaps in their records.
    std::vector<std::uint8_t> bytes() const;
    // The bytes were written to `path`, which now has `stamp`: the document is that file, saved.
    void saved(std::filesystem::path path, std::optional<FileStamp> stamp);

    // Sets a bitmap without a step of its own: the undo stack's commands call it.
    void putBitmap(bootfont::GlyphTable table, int index, const Bitmap& bitmap);

signals:
    // A glyph's bitmap changed, by an edit, its undo or its redo.
    void glyphChanged(bootfont::GlyphTable table, int index);

private:
    bootfont::FontFile file_;
    std::filesystem::path path_;
    std::optional<FileStamp> stamp_;
    // The bitmap of every glyph edited since the open, as the edits leave it now.
    std::map<std::pair<bootfont::GlyphTable, int>, Bitmap> edited_;
    QUndoStack undo_;
};

}  // namespace viewer
