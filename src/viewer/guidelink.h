#pragma once

#include <QString>

#include "viewer/linklabel.h"

namespace commondialog {
class ShellService;
}

// The window's link to the user guide: a label in bold, underlined blue Tahoma that names the
// guide's page, sized to its caption, with the hand cursor; a click asks the shell for a browser
// on the guide.
class GuideLink : public LinkLabel {
    Q_OBJECT

public:
    explicit GuideLink(QWidget* parent = nullptr);

    // The address the link opens: the build's setting, else the guide in the window's language
    // beside the program, as a file URL, so it works offline.
    static QString address();
    // Asks the shell to open the address in "iexplore", maximized; a failure shows nothing.
    static void open(commondialog::ShellService& shell);
};
