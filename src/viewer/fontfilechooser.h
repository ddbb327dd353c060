#pragma once

#include <QCoreApplication>
#include <QString>
#include <filesystem>
#include <optional>
#include <string>

namespace commondialog {
class DialogPlatform;
class cCommonDialog;
}  // namespace commondialog

// The open command's question: the open-file dialog for boot font files ("bootfont*.*"), which
// starts in the folder "bootfont" beside the program; and Save As's: the save-file dialog with the
// same filter, which starts at the file on show and asks before it overwrites a file.
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
    // Asks for the file to save the font shown from `current` to, as choose() asks.
    static Choice chooseSaveTarget(commondialog::DialogPlatform& dialogs,
                                   const std::filesystem::path& current);

private:
    static std::string filter();
    // The choice of a dialog that returned `accepted`: its path, or why it failed.
    static Choice choice(bool accepted, const commondialog::cCommonDialog& dialog,
                         const std::string& path);
};
