#pragma once

#include <QDialog>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "viewer/glypheditrequest.h"

class EditedGlyph;
class GlyphPixels;
class GlyphPreview;
class PixelEditor;
class QAction;
class QGridLayout;
class QLabel;
class QUndoStack;

// The glyph editor: the glyph large on a grid, its previews beside it, and the actions that change
// it, each stroke and action one step of its own undo stack. It touches nothing of the window:
// the window reads bitmap() once the dialog is accepted.
class GlyphEditorDialog : public QDialog {
    Q_OBJECT

public:
    // Raises the invalid-argument error for a bitmap or original of another size than the table's
    // records hold.
    explicit GlyphEditorDialog(GlyphEditRequest request, QWidget* parent = nullptr);

    // The edited bitmap, as many bytes as the request's.
    std::vector<std::uint8_t> bitmap() const;

    PixelEditor* editor() const { return editor_; }
    GlyphPreview* preview() const { return preview_; }
    QUndoStack* undoStack() const { return undo_; }
    // Why the last paste was refused; empty after a good one.
    QString message() const;

    // The glyph to the clipboard as a line of a .hex file, and back.
    void copyGlyph() const;
    void pasteGlyph();

private:
    void paint(QPoint pixel, bool value, bool startsStroke);
    // One undo step named `text` for `edit` of the pixels, when it changes any.
    void change(const QString& text, const std::function<void(GlyphPixels&)>& edit);
    // An action with `keys` and a button for it at (row, column) of `buttons`.
    QAction* addEditAction(const QString& text, const QString& tip, const QList<QKeySequence>& keys,
                           QGridLayout* buttons, int row, int column);
    QGridLayout* actionButtons();

    GlyphEditRequest request_;
    EditedGlyph* glyph_ = nullptr;
    QUndoStack* undo_ = nullptr;
    PixelEditor* editor_ = nullptr;
    GlyphPreview* preview_ = nullptr;
    QLabel* message_ = nullptr;
    int stroke_ = 0;
};
