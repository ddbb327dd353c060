#pragma once

#include <QObject>

class GlyphDescriber;
class GlyphMenu;
class GlyphPicture;
class QWidget;
class WindowMessages;

namespace viewer {
class FontEditing;
}

// What the window does with the glyph selected in its picture: Enter, F2 and a double-click run
// the glyph editor on it, Ctrl+C copies its character, and the right button and the Menu key show
// its menu (Edit glyph..., Copy character, Copy code). An error that ends an action is reported.
class GlyphActions : public QObject {
    Q_OBJECT

public:
    GlyphActions(QWidget* window, GlyphPicture* picture, GlyphDescriber& describer,
                 viewer::FontEditing& editing, const WindowMessages& messages);

    GlyphMenu* menu() const { return menu_; }

private:
    // Runs `action` on the selected glyph, if one is.
    template <typename Action>
    void onSelected(Action action);

    GlyphPicture* picture_;
    viewer::FontEditing& editing_;
    const WindowMessages& messages_;
    GlyphMenu* menu_;
};
