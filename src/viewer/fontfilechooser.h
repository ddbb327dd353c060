#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>

namespace commondialog {
class DialogPlatform;
}

// The open command's question: the open-file dialog for boot font files ("bootfont*.*"), which
// starts in the folder "bootfont" beside the program.
class FontFileChooser {
    Q_DECLARE_TR_FUNCTIONS(FontFileChooser)

public:
    struct Choice {
        std::optional<std::string> path;  // the file chosen; none when there is none
        QString failure;                  // why the dialog failed; empty when it did not
    };

    // Asks through a new cCommonDialog on `dialogs`. A cancelled dialog gives neither a path nor
    // a failure; a failed one gives its extended error code, and for a path too long for the
    // dialog's buffer says so.
    static Choice choose(commondialog::DialogPlatform& dialogs);
};
