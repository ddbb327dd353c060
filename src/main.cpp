#include <QApplication>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

#include "platform/desktopshell.h"
#include "platform/qtdialogplatform.h"
#include "platform/qtmessagebox.h"
#include "viewer/commandline.h"
#include "viewer/form1.h"
#include "viewer/interfacelanguage.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(BOOTFONT_PROGRAM_NAME));
    QApplication::setApplicationVersion(QStringLiteral(BOOTFONT_VERSION));
    // The window's texts in the system's language: Chinese, C and POSIX keep the source texts.
    QTranslator translator;
    viewer::installInterfaceTranslation(translator,
                                        viewer::interfaceLanguage(QLocale::system().uiLanguages()));
    // Qt adds the display name to a window title that does not end with it already; the
    // window's caption is the program's title, so it stays as it is.
    QApplication::setApplicationDisplayName(Form1::programTitle());
    // The desktop finds the menu entry and icon of our windows by the entry's id.
    QGuiApplication::setDesktopFileName(QStringLiteral(BOOTFONT_APP_ID));

    const viewer::StartRequest request = viewer::parseCommandLine(QApplication::arguments());
    if (request.exitStatus) {
        std::fputs(request.text.toLocal8Bit().constData(),
                   *request.exitStatus == 0 ? stdout : stderr);
        return *request.exitStatus;
    }

    platform::QtDialogPlatform dialogs;
    platform::QtMessageBox messageBox;
    platform::DesktopShell shell;
    Form1 window({dialogs, messageBox, shell});
    messageBox.setParent(&window);
    window.show();
    if (request.fontFile) {
        // Before the event loop paints the window, so its first frame shows the file.
        window.openFile(*request.fontFile);
    }
    return app.exec();
}
