#include "platform/desktopshell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

void DesktopShell::execute(const std::string& /*operation*/, const std::string& /*file*/,
                           const std::string& parameters, int /*showCommand*/) {
    // Failure is ignored: the window has nothing to show for a browser that did not start.
    QDesktopServices::openUrl(QUrl(QString::fromStdString(parameters)));
}

}  // namespace platform
