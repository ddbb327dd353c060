// The dialog wrapper against Qt's real dialogs: each test plays the user of one dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <fstream>

#include "commondialog/ccommondialog.h"
#include "platform/qtdialogplatform.h"
#include "platform/qtfontobject.h"
#include "platform/qthostservices.h"
#include "platform/qtmessagebox.h"
#include "platform/qtprinterobject.h"
#include "runtime/runtimeerror.h"
#include "support/tempdir.h"

// Designated initializers name only the arguments a case sets; GCC 12 would warn about the
// others, which keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace platform {
namespace {

using namespace commondialog;
using namespace std::string_literals;

// Set before main() creates the application. Qt's own dialogs only: a native one could wait for a
// person whatever the tests do. Qt's dialogs keep their history and custom colours in the user's
// settings; the tests keep theirs in a folder of their own.
const testsupport::TempDir settings;
[[maybe_unused]] const bool qtDialogsOnly = [] {
    qunsetenv("QT_QPA_PLATFORMTHEME");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(settings.path().string()));
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    return true;
}();

// Plays the user of the next modal dialog of type Dialog: once it is up, runs `action` on it,
// which accepts or rejects it. Waiting ends with `test`; should the dialog never close, the test's
// timeout ends the run.
template <typename Dialog>
void whenShown(QObject& test, std::function<void(Dialog&)> action) {
    QTimer::singleShot(10, &test, [&test, action] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<Dialog*>(widget); dialog && dialog->isVisible()) {
                return action(*dialog);
            }
        }
        whenShown(test, action);
    });
}

// Types `name` into the dialog's file-name box and accepts it, as a user does; selectFile() and
// accept() alone may only open the folder.
void acceptName(QFileDialog& dialog, const QString& name) {
    dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
    static_cast<QDialog&>(dialog).accept();  // QFileDialog::accept() is protected
}

struct QtDialogs : testing::Test {
    testsupport::TempDir folder;
    QtDialogPlatform platform;
    QtHostServices host{platform};
    cCommonDialog dialog{platform, host};
    QObject user;  // plays the user of the dialogs
    QPrinter target;
    QtPrinterObject printerObject{target};
};

TEST_F(QtDialogs, TheViewersOpenDialogBlocksNoWindowAndReturnsTheChosenFont) {
    std::ofstream(folder / "BOOTFONT.BIN") << "x";
    // A filter index past the filters selects the first.
    OpenFileArguments arguments{.Filter = "bootfont files|bootfont*.*", .FilterIndex = 2};
    arguments.InitDir = folder.path().string();
    whenShown<QFileDialog>(user, [&](QFileDialog& shown) {
        EXPECT_EQ(std::tuple(shown.parentWidget(), shown.windowModality(),
                             QApplication::activeModalWidget()),
                  std::tuple(nullptr, Qt::NonModal, nullptr))
            << "the main window stays usable";
        EXPECT_EQ(shown.directory().absolutePath().toStdString(), folder.path().string());
        EXPECT_EQ(shown.nameFilters(), QStringList{"bootfont files (bootfont* bootfont*.*)"});
        EXPECT_EQ(shown.selectedNameFilter(), "bootfont files");
        EXPECT_EQ(std::pair(shown.fileMode(), shown.testOption(QFileDialog::DontUseNativeDialog)),
                  std::pair(QFileDialog::ExistingFile, true))
            << "a native dialog has no room for the read-only box";
        auto* readOnly = shown.findChild<QCheckBox*>(QStringLiteral("readOnlyBox"));
        ASSERT_TRUE(readOnly != nullptr && !readOnly->isChecked());
        readOnly->setChecked(true);
        acceptName(shown, QStringLiteral("BOOTFONT.BIN"));
    });
    EXPECT_TRUE(dialog.VBGetOpenFileName(arguments));
    EXPECT_EQ(std::tuple(arguments.Filename, arguments.FileTitle, arguments.ReadOnly),
              std::tuple((folder / "BOOTFONT.BIN").string(), "BOOTFONT.BIN", true));
}

// The record tells its caller where the chosen name and its extension start, or that the path or
// the name does not fit its buffer; a cancelled dialog leaves no extended error.
TEST_F(QtDialogs, TheOpenRecordLocatesTheNameAndItsExtensionInAPathThatFits) {
    std::ofstream(folder / "font.v2.bin") << "x";
    const auto name = static_cast<std::int32_t>(folder.path().string().size() + 1);
    OPENFILENAME record{.lStructSize = OPENFILENAME::kSize,
                        .lpstrFile = '\0' + std::string(259, '-'),
                        .lpstrFileTitle = std::string(12, '-'),
                        .lpstrInitialDir = folder.path().string()};
    const auto choose = [&](std::int32_t bufferSize, std::int32_t titleSize, bool accept) {
        std::tie(record.nMaxFile, record.nMaxFileTitle) = std::pair(bufferSize, titleSize);
        whenShown<QFileDialog>(user, [accept](QFileDialog& shown) {
            accept ? acceptName(shown, "font.v2.bin") : shown.reject();
        });
        const std::int32_t result = platform.GetOpenFileName(record);
        return std::pair(result, platform.CommDlgExtendedError());
    };
    // The path is name + 11 bytes long, the name 11: a buffer that size has no room for its NUL.
    EXPECT_EQ(choose(name + 11, 12, true), std::pair(kDialogFailed, FNERR_BUFFERTOOSMALL));
    EXPECT_EQ(choose(name + 12, 11, true), std::pair(kDialogFailed, FNERR_BUFFERTOOSMALL));
    EXPECT_EQ(choose(name + 12, 12, true), std::pair(kDialogAccepted, 0));
    EXPECT_EQ(std::tuple(record.nFileOffset, record.nFileExtension, *record.lpstrFile,
                         *record.lpstrFileTitle),
              std::tuple(name, name + 8,
                         (folder / "font.v2.bin").string() + '\0' + std::string(248 - name, '-'),
                         "font.v2.bin\0"s))
        << "the text and its NUL written over the start of each buffer, the rest kept";
    EXPECT_EQ(choose(260, 260, false), std::pair(kDialogCancelled, 0));
}

TEST_F(QtDialogs, AnOwnedSaveDialogShowsItsFiltersAndTheOverwritePromptOnlyWhenAsked) {
    QWidget window;
    window.show();
    SaveFileArguments arguments{.OverWritePrompt = false, .FilterIndex = 3, .DefaultExt = "txt"};
    arguments.Filter = "Fonts|*.bin;*.fnt|Text|*.txt|All|*.*";
    arguments.InitDir = folder.path().string();
    arguments.DlgTitle = "Save the report";
    arguments.Owner = static_cast<std::int32_t>(window.winId());
    whenShown<QFileDialog>(user, [&](QFileDialog& shown) {
        EXPECT_EQ(std::tuple(shown.parentWidget(), shown.windowModality(), shown.windowTitle()),
                  std::tuple(&window, Qt::WindowModal, "Save the report"));
        EXPECT_EQ(shown.nameFilters(),
                  (QStringList{"Fonts (*.bin *.fnt)", "Text (*.txt)", "All (* *.*)"}));
        EXPECT_EQ(shown.selectedNameFilter(), "All") << "the descriptions only are shown";
        EXPECT_EQ(std::tuple(shown.acceptMode(), shown.fileMode(),
                             shown.findChild<QCheckBox*>(QStringLiteral("readOnlyBox"))),
                  std::tuple(QFileDialog::AcceptSave, QFileDialog::AnyFile, nullptr));
        EXPECT_TRUE(shown.testOption(QFileDialog::DontConfirmOverwrite));
        shown.selectNameFilter(QStringLiteral("Text (*.txt)"));
        acceptName(shown, QStringLiteral("report"));
    });
    EXPECT_TRUE(dialog.VBGetSaveFileName(arguments));
    EXPECT_EQ(std::pair(arguments.Filename, arguments.FilterIndex),
              std::pair((folder / "report.txt").string(), 2));
}

// The name after the last "/", when it fits the 260-byte buffer with its NUL; else the empty text.
TEST_F(QtDialogs, TheFileTitleIsTheLastComponentOfThePath) {
    for (auto [path, title] : {std::pair{"font.bin"s, "font.bin"s}, std::pair{"/data/"s, ""s},
                               std::pair{"/data/" + std::string(259, 'n'), std::string(259, 'n')},
                               std::pair{"/data/" + std::string(260, 'n'), ""s}}) {
        EXPECT_EQ(dialog.VBGetFileTitle(path), title) << path;
    }
}

// The custom colours start as system colours, taken from the application palette at their first
// use; only indexes 0 to 15 exist. Only a failure sets the extended error, and nothing clears it.
TEST_F(QtDialogs, TheColourDialogStartsAtTheColourAndCustomColoursAndReturnsTheUsersChoice) {
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Active, QPalette::Base, QColor(1, 2, 3));  // 5, window
    QApplication::setPalette(palette);
    EXPECT_EQ(cCommonDialog(platform).CustomColor(5), 0x00030201) << "read before any write";
    for (const std::int16_t index : {3, 16, -1}) {
        dialog.CustomColor(index, 0x00060504);
    }
    ChooseColorArguments failing{.Owner = 0x7FFFFFFF};  // no such window
    EXPECT_FALSE(dialog.VBChooseColor(failing));
    EXPECT_EQ(std::tuple(failing.Color, dialog.APIReturn(), dialog.ExtendedError()),
              std::tuple(-1, 2, CDERR_DIALOGFAILURE));
    ChooseColorArguments arguments{.Color = 0x00302010};
    whenShown<QColorDialog>(user, [](QColorDialog& shown) {
        EXPECT_EQ(std::tuple(shown.currentColor(), QColorDialog::customColor(3),
                             QColorDialog::customColor(5)),
                  std::tuple(QColor(0x10, 0x20, 0x30), QColor(4, 5, 6), QColor(1, 2, 3)));
        shown.setCurrentColor(QColor(10, 20, 30));
        QColorDialog::setCustomColor(2, QColor(7, 8, 9));  // the user adds a custom colour
        shown.accept();
    });
    EXPECT_TRUE(dialog.VBChooseColor(arguments));
    QApplication::setPalette(saved);
    EXPECT_EQ(std::tuple(arguments.Color, dialog.CustomColor(2), dialog.CustomColor(16),
                         dialog.CustomColor(-1), dialog.ExtendedError()),
              std::tuple(0x001E140A, 0x00090807, -1, -1, CDERR_DIALOGFAILURE));
    EXPECT_NE(dialog.CustomColor(0), -1) << "the first of the sixteen";
}

// Qt's dialog cannot enforce size limits while it is up, so the chosen size is kept within them.
TEST_F(QtDialogs, TheFontDialogStartsAtTheFontAndWritesTheChosenOneWithinTheLimitsBack) {
    QFont start(QStringLiteral("DejaVu Sans"), 12, QFont::Bold, true);
    start.setUnderline(true);
    QtFontObject font(start);
    ChooseFontArguments arguments{.Color = 0x00112233, .MinSize = 20, .MaxSize = 20};
    arguments.flags = CF_PRINTERFONTS | CF_SCALABLEONLY;
    whenShown<QFontDialog>(user, [](QFontDialog& shown) {
        const QFont current = shown.currentFont();
        EXPECT_EQ(std::tuple(current.family().toStdString(), current.pointSizeF(), current.weight(),
                             current.italic(), current.underline(), current.strikeOut()),
                  std::tuple("DejaVu Sans", 12.0, QFont::Bold, true, true, false));
        EXPECT_TRUE(shown.testOption(QFontDialog::ScalableFonts));
        QFont chosen(QStringLiteral("DejaVu Sans Mono"), 30, QFont::Bold);
        chosen.setStrikeOut(true);
        shown.setCurrentFont(chosen);
        shown.accept();
    });
    ASSERT_TRUE(dialog.VBChooseFont(font, arguments));
    EXPECT_EQ(std::tuple(font.Name(), font.Size(), font.Bold(), font.Weight(), font.Italic(),
                         font.Underline(), font.Strikethrough(), arguments.Color),
              std::tuple("DejaVu Sans Mono", 20.0, true, 700, false, false, true, 0x00112233));
    EXPECT_NE(platform.printerOf(arguments.PrinterDC), nullptr) << "not the current printer";
    arguments.MinSize = 30;
    EXPECT_FALSE(dialog.VBChooseFont(font, arguments));
    EXPECT_EQ(dialog.ExtendedError(), CFERR_MAXLESSTHANMIN);
    std::tie(arguments.MinSize, arguments.MaxSize) = std::pair(40, 0);  // no upper limit
    whenShown<QFontDialog>(user, [](QFontDialog& shown) { shown.accept(); });
    EXPECT_TRUE(dialog.VBChooseFont(font, arguments) && font.Size() == 40.0) << font.Size();
    // The font object refuses what a font cannot have.
    EXPECT_THROW(font.setSize(0), runtime::RuntimeError);
    EXPECT_THROW(font.setWeight(-1), runtime::RuntimeError);
    EXPECT_THROW(font.setWeight(1001), runtime::RuntimeError);
    font.setWeight(0);  // the default weight
    EXPECT_EQ(font.Weight(), 400);
}

TEST_F(QtDialogs, PrintingNeedsAPrinterOrAFileAndReturnsThePrinterAndHandsItsSettingsOn) {
    PrintDlgArguments nowhere;  // without a file to print to
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        EXPECT_FALSE(dialog.vbPrintDlg(nowhere));
        EXPECT_EQ(dialog.ExtendedError(), PDERR_NODEFAULTPRN);
    }
    const QString file = QString::fromStdString((folder / "out.pdf").string());
    PrintDlgArguments arguments{
        .PrintRange = 1, .FromPage = 1, .ToPage = 5, .Printer = &printerObject};
    arguments.ShowPrintToFile = arguments.PrintToFile = arguments.Collate = true;
    arguments.DisablePrintToFile = false;
    whenShown<QPrintDialog>(user, [&](QPrintDialog& shown) {
        EXPECT_EQ(std::tuple(shown.testOption(QAbstractPrintDialog::PrintToFile),
                             shown.printRange(), shown.fromPage(), shown.toPage()),
                  std::tuple(true, QAbstractPrintDialog::PageRange, 1, 5));
        shown.findChild<QLineEdit*>(QStringLiteral("filename"))->setText(file);
        shown.findChild<QSpinBox*>(QStringLiteral("copies"))->setValue(3);
        shown.accept();
    });
    ASSERT_TRUE(dialog.vbPrintDlg(arguments));
    const QPrinter* chosen = platform.printerOf(arguments.hdc);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(std::tuple(chosen->outputFileName(), target.copyCount(), target.resolution()),
              std::tuple(file, 3, chosen->resolution()));
    EXPECT_EQ(std::tuple(arguments.PrintToFile, arguments.PrintRange, arguments.FromPage,
                         arguments.ToPage, arguments.Copies, arguments.Collate),
              std::tuple(true, 1, 1, 5, std::int16_t{3}, true));
}

TEST_F(QtDialogs, PageSetupReturnsMarginsInTheCallersUnitsAndKeepsWhatItDisabled) {
    PageSetupArguments inches{.LeftMargin = 1, .RightMargin = 1, .TopMargin = 1, .BottomMargin = 2};
    inches.Printer = &printerObject;
    whenShown<QPageSetupDialog>(user, [](QPageSetupDialog& shown) {
        EXPECT_EQ(std::pair(shown.windowModality(), shown.parentWidget()->isVisible()),
                  std::pair(Qt::WindowModal, false))
            << "it blocks no window the user sees";
        shown.findChild<QRadioButton*>(QStringLiteral("landscape"))->click();
        shown.accept();
    });
    ASSERT_TRUE(dialog.VBPageSetupDlg(inches));
    EXPECT_EQ(
        std::tuple(inches.LeftMargin, inches.TopMargin, inches.RightMargin, inches.BottomMargin,
                   inches.Orientation, target.pageLayout().orientation()),
        std::tuple(1, 1, 1, 2, 2, QPageLayout::Landscape));
    EXPECT_EQ(inches.PaperSize,
              QPrinter(QPrinter::HighResolution).pageLayout().pageSize().windowsId());
    EXPECT_GT(inches.PrintQuality, 0);
}

// A question's answer is the index of the button pressed: Enter the default, Esc the escape one.
TEST_F(QtDialogs, AQuestionReturnsTheButtonPressed) {
    QtMessageBox messageBox;
    const std::vector<std::string> buttons{"Save", "Don't Save", "Cancel"};
    const std::pair<std::function<void(QMessageBox&)>, std::size_t> presses[] = {
        {[](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }, 1},
        {[](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }, 2},
        {[](QMessageBox& box) {
             for (QAbstractButton* button : box.buttons()) {
                 if (button->text() == QStringLiteral("Save")) {
                     button->click();
                 }
             }
         },
         0}};
    for (const auto& [press, expected] : presses) {
        whenShown<QMessageBox>(user, [&press = press](QMessageBox& box) {
            EXPECT_EQ(box.icon(), QMessageBox::Warning);
            press(box);
        });
        EXPECT_EQ(messageBox.ask("title", "text", MessageBoxService::Icon::Warning, buttons, 1, 2),
                  expected);
    }
}

}  // namespace
}  // namespace platform
