#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace viewer {

// What the program's arguments ask for: at most one boot font file to open once the window shows,
// or to end at once with a text to print.
struct StartRequest {
    std::optional<QString> fontFile;
    // 0 after --help or --version, whose text goes to standard output; 2 after a usage error,
    // whose text goes to standard error. Unset: show the window.
    std::optional<int> exitStatus;
    QString text;
};

// Reads the arguments that QApplication leaves (its own options, such as -platform, are gone),
// the program's name first.
StartRequest parseCommandLine(const QStringList& arguments);

}  // namespace viewer
