// Takes the README's screenshots from the real window: opens the Simplified Chinese sample in the
// bootfont folder beside this program, finds 中 (Ctrl+F's search: the page that holds it, the
// glyph framed), rests the pointer on it so its tooltip shows the glyph magnified, and saves the
// window with the tooltip as a PNG file. --english takes it in the window's English; --editor
// takes the glyph editor that Enter opens on the found glyph instead, one stroke made in it.
//   windowscreenshot [--english] [--editor] <output .png>
// It runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another. Any failure is
// reported on stderr with a non-zero exit status.
#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "screenshot/chosenfiledialogs.h"
#include "screenshot/ignoringshell.h"
#include "screenshot/reportingmessagebox.h"
#include "viewer/fontediting.h"
#include "viewer/form1.h"
#include "viewer/glypheditordialog.h"
#include "viewer/glyphpicture.h"
#include "viewer/interfacelanguage.h"
#include "viewer/pixeleditor.h"

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

// The window as it shows, with the glyph's tooltip drawn below and right of the pointer, where a
// desktop puts it (the offscreen screen is narrower than the window, so the tip moves left).
QPixmap grabWithToolTip(Form1& window, QPoint pointer) {
    QPixmap shot = window.grab();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QStringLiteral("GlyphToolTip") && top->isVisible()) {
            const QPixmap tip = top->grab();
            QPoint corner = pointer + QPoint(2, 16);
            corner.setX(std::min(corner.x(), shot.width() - tip.width()));
            QPainter(&shot).drawPixmap(corner, tip);
        }
    }
    return shot;
}

// Enter on the found glyph opens the editor; one click inks a pixel below the glyph, so the
// previews show an edit, and the dialog is saved as it shows.
int editorScreenshot(Form1& window, GlyphPicture* picture, const QString& output) {
    bool saved = false;
    window.editing().setEditor([&](const GlyphEditRequest& request, QWidget* parent) {
        GlyphEditorDialog dialog(request, parent);
        dialog.show();
        PixelEditor* grid = dialog.editor();
        const QPointF point(grid->width() / 2.0, grid->height() - 4.0);
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent click(type, point, grid->mapToGlobal(point), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(grid, &click);
        }
        QCoreApplication::processEvents();
        saved = dialog.grab().save(output, "PNG");
        return std::optional<std::vector<std::uint8_t>>();
    });
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &enter);
    if (!saved) {
        std::fprintf(stderr, "windowscreenshot: the editor did not open or %s cannot be written\n",
                     qPrintable(output));
        return 1;
    }
    std::printf("%s: %s\n", qPrintable(output), qPrintable(window.windowTitle()));
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    bool english = false;
    bool editor = false;
    for (int i = 1; i < argc - 1; ++i) {
        english = english || std::strcmp(argv[i], "--english") == 0;
        editor = editor || std::strcmp(argv[i], "--editor") == 0;
    }
    if (argc < 2 || argc != 2 + int(english) + int(editor)) {
        std::fprintf(stderr, "usage: windowscreenshot [--english] [--editor] <output .png>\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[argc - 1]);
    // No window on anyone's screen, and a picture that does not depend on the desktop's theme.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    QApplication app(argc, argv);
    QTranslator translator;
    if (english &&
        !viewer::installInterfaceTranslation(translator, viewer::InterfaceLanguage::English)) {
        std::fprintf(stderr, "windowscreenshot: the English translation does not load\n");
        return 1;
    }

    const QString sample =
        QCoreApplication::applicationDirPath() + QStringLiteral("/bootfont/bootfont-zh-cn.bin");
    screenshot::ChosenFileDialogs dialogs(sample.toStdString());
    screenshot::ReportingMessageBox messageBox;
    screenshot::IgnoringShell shell;
    Form1 window({dialogs, messageBox, shell});
    window.show();

    // 打开(&O)... picks the sample; the find goes to the page of 中 and frames it.
    if (!click(window, "Command1") || messageBox.count() > 0 ||
        !window.findGlyph(QStringLiteral("中"))) {
        std::fprintf(stderr, "windowscreenshot: %s did not open as a boot font with 中\n",
                     qPrintable(sample));
        return 1;
    }
    QCoreApplication::processEvents();

    auto* picture = window.findChild<GlyphPicture*>(QStringLiteral("Picture1"));
    if (editor) {
        return editorScreenshot(window, picture, output);
    }
    // The pointer rests on the framed glyph.
    const auto framed = picture->selectedGlyph();
    const QPoint point = QPoint(framed->box.left + 8, framed->box.top + 8) + QPoint(2, 2);
    QHelpEvent rest(QEvent::ToolTip, point, picture->mapToGlobal(point));
    QCoreApplication::sendEvent(picture, &rest);
    QCoreApplication::processEvents();

    if (!grabWithToolTip(window, picture->mapTo(&window, point)).save(output, "PNG")) {
        std::fprintf(stderr, "windowscreenshot: cannot write %s\n", argv[argc - 1]);
        return 1;
    }
    const auto* indicator = window.findChild<QLabel*>(QStringLiteral("Label2"));
    std::printf("%s: %s\n", argv[argc - 1], indicator ? qPrintable(indicator->text()) : "");
    return 0;
}
