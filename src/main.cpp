#include <QApplication>

#include "platform/desktopshell.h"
#include "platform/qtdialogplatform.h"
#include "platform/qtmessagebox.h"
#include "viewer/form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::QtDialogPlatform dialogs;
    platform::QtMessageBox messageBox;
    platform::DesktopShell shell;
    Form1 window({dialogs, messageBox, shell});
    messageBox.setParent(&window);
    window.show();
    return app.exec();
}
