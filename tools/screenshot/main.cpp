// Takes the README's screenshot from the real window: opens the Simplified Chinese sample in the
// bootfont folder beside this program, shows its first page of double-byte glyphs and saves the
// window as a PNG file.
//   windowscreenshot <output .png>
// It runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another. Any failure is
// reported on stderr with a non-zero exit status.
#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <cstdio>

#include "screenshot/chosenfiledialogs.h"
#include "screenshot/ignoringshell.h"
#include "screenshot/reportingmessagebox.h"
#include "viewer/form1.h"

namespace {

bool click(const Form1& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
    if (button == nullptr || !button->isEnabled()) {
        std::fprintf(stderr, "windowscreenshot: the button %s cannot be clicked\n", name);
        return false;
    }
    button->click();
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: windowscreenshot <output .png>\n");
        return 2;
    }
    // No window on anyone's screen, and a picture that does not depend on the desktop's theme.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    QApplication app(argc, argv);

    const QString sample =
        QCoreApplication::applicationDirPath() + QStringLiteral("/bootfont/bootfont-zh-cn.bin");
    screenshot::ChosenFileDialogs dialogs(sample.toStdString());
    screenshot::ReportingMessageBox messageBox;
    screenshot::IgnoringShell shell;
    Form1 window({dialogs, messageBox, shell});
    window.show();

    // 打开(&O)... picks the sample, 双字节(&D) shows the first double-byte page.
    if (!click(window, "Command1") || messageBox.count() > 0 || !click(window, "Command3") ||
        messageBox.count() > 0) {
        std::fprintf(stderr, "windowscreenshot: %s did not open as a boot font\n",
                     qPrintable(sample));
        return 1;
    }
    QCoreApplication::processEvents();

    const QString output = QString::fromLocal8Bit(argv[1]);
    if (!window.grab().save(output, "PNG")) {
        std::fprintf(stderr, "windowscreenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    const auto* indicator = window.findChild<QLabel*>(QStringLiteral("Label2"));
    std::printf("%s: %s\n", argv[1], indicator ? qPrintable(indicator->text()) : "");
    return 0;
}
