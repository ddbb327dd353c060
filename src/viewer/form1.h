#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "bootfont/viewerstate.h"
#include "commondialog/dialogplatform.h"
#include "viewer/messageboxservice.h"
#include "viewer/shellservice.h"

class QLabel;
class QPushButton;
class LinkLabel;
class PictureBox;

// The viewer's one window: the open button, four display buttons, thirteen labelled boxes for a
// boot font's header, a page indicator, the glyph picture and a link to the user guide. It owns
// the ViewerState and runs every action of its controls; an error that ends an action is reported
// in a message box and the window stays usable.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // Whatever leaves the process or waits for a person, so tests can script it.
    struct Services {
        commondialog::DialogPlatform& dialogs;
        viewer::MessageBoxService& messageBox;
        viewer::ShellService& shell;
    };

    explicit Form1(Services services, QWidget* parent = nullptr);

    // The open command: asks for a boot font file, reads its header and, when its signature is
    // right, shows the header, reads both glyph tables and draws the single-byte glyphs.
    void GetAllFonts();
    // Writes the thirteen header boxes from the state's header.
    void ShowHeader();
    // Draws the single-byte glyphs from the first one, as many as fit.
    void ShowSBCS();
    // Draws the double-byte page that starts at glyph `start` (0 when negative) and shows its
    // number; a start past the last glyph changes nothing.
    void ShowDBCS(std::int16_t start);

    // The four display buttons are enabled and disabled only together, in button order.
    void setDisplayButtonsEnabled(bool enabled);

    bootfont::ViewerState& state() { return state_; }
    const bootfont::ViewerState& state() const { return state_; }

    QWidget* Text1(int index) const;
    QLabel* Label1(int index) const;
    // The text of header box `index`, whichever kind of box it is.
    QString text1Text(int index) const;

    static QString programTitle();

private:
    void createControls();
    void setText1(int index, const QString& text);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void URL_Click();

    // Runs one action of the window; a runtime error ends it and is reported, what the action did
    // before stays done.
    template <typename Action>
    void runAction(Action&& action);
    void reportError(const std::string& text);

    Services services_;
    bootfont::ViewerState state_;

    QPushButton* command1_ = nullptr;
    std::array<QPushButton*, 4> displayButtons_{};  // Command2 .. Command5
    std::array<QWidget*, 13> text1_{};
    std::array<QLabel*, 13> label1_{};
    LinkLabel* url_ = nullptr;
    QLabel* label2_ = nullptr;
    PictureBox* picture1_ = nullptr;
};
