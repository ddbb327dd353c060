// Starts the viewer's window offscreen, optionally opens one file through the open command (the
// dialog answered by script) or as the program opens its command line's file, and quits as soon
// as the window has shown its first frame after that. Timing the whole process gives the start-up
// time; its peak memory, the viewer's. The window's language follows the system's, as the
// program's does.
//
//   viewer_probe            start-up to the first frame
//   viewer_probe FILE       the same with FILE opened and drawn by the open command
//   viewer_probe -- FILE    the same with FILE given as bootfont-viewer FILE gives it
//   viewer_probe --bare     a bare Qt window of one Chinese label in the window's font, the
//                           floor the window's start-up is measured against
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <string>

#include "commondialog/fakedialogplatform.h"
#include "support/fakeservices.h"
#include "viewer/commandline.h"
#include "viewer/fontsubstitutions.h"
#include "viewer/form1.h"
#include "viewer/interfacelanguage.h"

namespace {

// Quits the application after the window's next paint.
class FirstFrame : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    FirstFrame firstFrame;
    if (argc > 1 && std::string(argv[1]) == "--bare") {
        viewer::installFontSubstitutions();
        QLabel label(QStringLiteral("BootFont 查看器"));
        QFont font(QStringLiteral("宋体"));
        font.setPointSizeF(12);
        label.setFont(font);
        label.installEventFilter(&firstFrame);
        label.show();
        return app.exec();
    }
    // The window's language as the program chooses it (LANG=en_US.UTF-8 times the English).
    QTranslator translator;
    viewer::installInterfaceTranslation(translator,
                                        viewer::interfaceLanguage(QLocale::system().uiLanguages()));
    testsupport::FakeDialogPlatform dialogs;
    testsupport::RecordingMessageBox messageBox;
    testsupport::RecordingShell shell;
    // As the program reads its arguments: "--" ends the options, the file follows.
    const viewer::StartRequest request = viewer::parseCommandLine(QApplication::arguments());
    const bool asArgument = argc > 2 && std::string(argv[1]) == "--";
    if (argc > 1 && !asArgument) {
        const std::string path = argv[1];
        dialogs.open.answer = [path](commondialog::OPENFILENAME& record) {
            testsupport::writeBuffer(record.lpstrFile, path);
            return commondialog::kDialogAccepted;
        };
    }
    Form1 window({dialogs, messageBox, shell});
    if (argc > 1 && !asArgument) {
        // As the user does, so an error is reported, not thrown.
        window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    }
    window.installEventFilter(&firstFrame);
    window.show();
    if (asArgument && request.fontFile) {
        window.openFile(*request.fontFile);  // as main() does
    }
    app.exec();
    for (const auto& message : messageBox.messages) {
        std::fprintf(stderr, "%s\n", message.text.c_str());
    }
    return 0;
}
