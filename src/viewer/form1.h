#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

#include "bootfont/fontfile.h"
#include "commondialog/dialogplatform.h"
#include "commondialog/messageboxservice.h"
#include "commondialog/shellservice.h"
#include "viewer/glyphdescriber.h"
#include "viewer/glyphsearch.h"
#include "viewer/viewerstate.h"
#include "viewer/windowmessages.h"

namespace glyphview {
class DbcsPager;
}

class QLabel;
class QPushButton;
class GlyphFinder;
class GlyphPicture;
class GuideLink;
class HeaderBoxes;

namespace viewer {
class FontEditing;
}

// The viewer's one window: the open button, four display buttons, thirteen labelled boxes for a
// boot font's header, a page indicator, the glyph picture and a link to the user guide. It owns
// the ViewerState and runs every action of its controls; an error that ends an action is reported
// in a message box and the window stays usable. A font also opens from the command line and by a
// drop of one file onto the window, the same way the open button opens it after its dialog; every
// glyph in the picture names itself in a tooltip that shows it magnified; Ctrl+F finds a glyph by
// its character or code and F3 the next; Page Up, Page Down, Home and End turn the pages. A glyph
// selected in the picture opens in the glyph editor (Enter, F2, a double-click or its menu); the
// edits go into the opened file's bytes, Ctrl+Z and Ctrl+Shift+Z undo and redo them, Ctrl+S saves
// them to the file and Ctrl+Shift+S to another; the title marks unsaved edits, and nothing replaces
// the font or closes the window without asking to save them. Every text it shows goes through Qt's
// translation: its source texts are Chinese.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // Whatever leaves the process or waits for a person, so tests can script it.
    struct Services {
        commondialog::DialogPlatform& dialogs;
        commondialog::MessageBoxService& messageBox;
        commondialog::ShellService& shell;
    };

    explicit Form1(Services services, QWidget* parent = nullptr);
    ~Form1() override;

    // The open command: asks for a boot font file, reads its header and, when its signature is
    // right, shows the header, reads both glyph tables and draws the single-byte glyphs.
    void GetAllFonts();
    // Opens `path` as the open command does once its dialog has chosen it, from the first page;
    // an error is reported as the command reports it. For the command line and drops.
    void openFile(const QString& path);
    // Writes the thirteen header boxes from the state's header.
    void ShowHeader();
    // Draws the single-byte glyphs from the first one, as many as fit.
    void ShowSBCS();
    // Draws the double-byte page that starts at glyph `start` (0 when negative) and shows its
    // number; a start past the last glyph changes nothing.
    void ShowDBCS(std::int16_t start);

    // The four display buttons are enabled and disabled only together, in button order.
    void setDisplayButtonsEnabled(bool enabled);

    // Shows the first glyph that `text` (a character, "U+4E2D", "0xD6D0" or "D6D0") names, through
    // the operation its view's button runs, and frames it; then findNext() goes on from it. A text
    // that names no glyph of the font is reported and changes nothing. True when a glyph is shown.
    bool findGlyph(const QString& text);
    // Shows the next glyph of the last find, from the first one again after the last.
    void findNext();

    // The edits of the font on show: its document, the editor, undo and saving.
    viewer::FontEditing& editing() { return *editing_; }

    viewer::ViewerState& state() { return state_; }
    const viewer::ViewerState& state() const { return state_; }

    QWidget* Text1(int index) const;
    QLabel* Label1(int index) const;
    // The text of header box `index`, whichever kind of box it is.
    QString text1Text(int index) const;

    // The program's title: the window's caption and every message box's.
    static QString programTitle();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createShortcuts();
    void connectEditing();
    // The open command's steps once a path is chosen: header, signature, header boxes, both
    // tables, the single-byte view and the page indicator. False, with nothing changed, when the
    // file is a boot font and the user keeps the unsaved edits of the one on show.
    bool OpenFontFile(const std::filesystem::path& path);
    void setPageIndicator(std::int16_t pageNumber, std::int16_t pageCount);
    // The double-byte pages of the font on show, turned by the state's page size.
    glyphview::DbcsPager pager() const;
    void ShowLastDBCS();
    void showFoundGlyph(const viewer::GlyphPlace& place);
    // Shows glyph `index` of `table` selected: its cell drawn again when it is on show, else its
    // view or page.
    void showChangedGlyph(bootfont::GlyphTable table, int index);
    // The arrow keys moved the selection off the view: on to the glyph's page, if it has one.
    void followSelection(int index);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void URL_Click();

    Services services_;
    // Reports the error that ends an action, in a message box; the window stays usable.
    WindowMessages messages_;
    viewer::ViewerState state_;
    // Names the glyphs on show through the code page of the font last accepted.
    GlyphDescriber describer_{state_};
    // The font last accepted, as its file's bytes and the edits since; the tables in state_ were
    // read from it and follow its edits.
    viewer::FontEditing* editing_ = nullptr;

    QPushButton* command1_ = nullptr;
    std::array<QPushButton*, 4> displayButtons_{};  // Command2 .. Command5
    std::unique_ptr<HeaderBoxes> text1_;            // the Text1 and Label1 groups
    GuideLink* url_ = nullptr;
    QLabel* label2_ = nullptr;
    GlyphPicture* picture1_ = nullptr;
    GlyphFinder* finder_ = nullptr;
};
