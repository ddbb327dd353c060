#include <QApplication>

#include "platform/desktopshell.h"
#include "platform/qtmessagebox.h"
#include "viewer/form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtMessageBox messageBox;
    DesktopShell shell;
    Form1 window({messageBox, shell});
    messageBox.setParent(&window);
    window.show();
    return app.exec();
}
