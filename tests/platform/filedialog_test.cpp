#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>

#include <fstream>

#include "commondialog/ccommondialog.h"
#include "platform/dialogdriver.h"
#include "platform/qtdialogplatform.h"
#include "support/tempdir.h"

namespace platform {
namespace {

using namespace commondialog;
using namespace std::string_literals;
using testsupport::DialogDriver;

void touch(const std::filesystem::path& path) {
    std::ofstream(path) << "x";
}

// Types `name` into the dialog's file-name box and accepts it, as a user does; selectFile() and
// accept() alone may only open the folder.
void acceptName(QFileDialog& dialog, const QString& name) {
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (edit == nullptr) {
        ADD_FAILURE() << "no file-name box";
        dialog.reject();
        return;
    }
    edit->setText(name);
    static_cast<QDialog&>(dialog).accept();  // QFileDialog::accept() is protected
}

OPENFILENAME openRequest(const std::filesystem::path& folder) {
    OPENFILENAME record;
    record.lStructSize = OPENFILENAME::kSize;
    record.lpstrFilter = "Fonts\0*.bin;*.fnt\0All files\0*.*\0\0"s;
    record.nFilterIndex = 2;
    record.lpstrFile = std::string(260, '\0');
    record.nMaxFile = 260;
    record.lpstrFileTitle = std::string(260, '\0');
    record.nMaxFileTitle = 260;
    record.lpstrInitialDir = folder.string();
    record.Flags = OFN_FILEMUSTEXIST;
    return record;
}

struct QtFileDialog : testing::Test {
    testsupport::TempDir folder;
    QtDialogPlatform platform;
    DialogDriver user;
};

TEST_F(QtFileDialog, TheViewersOpenDialogHasNoOwnerAndReturnsTheChosenFont) {
    touch(folder / "BOOTFONT.BIN");
    touch(folder / "notes.txt");
    cCommonDialog dialog(platform);
    OpenFileArguments arguments;
    arguments.Filter = "bootfont files|bootfont*.*";
    arguments.InitDir = folder.path().string();

    user.whenShown<QFileDialog>([&](QFileDialog& shown) {
        EXPECT_EQ(shown.parentWidget(), nullptr);
        EXPECT_EQ(shown.windowModality(), Qt::NonModal);
        // No window is blocked: the main window stays usable while the dialog is up.
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(shown.directory().absolutePath().toStdString(), folder.path().string());
        EXPECT_EQ(shown.nameFilters(), QStringList{"bootfont files (bootfont* bootfont*.*)"});
        EXPECT_EQ(shown.fileMode(), QFileDialog::ExistingFile);
        auto* readOnly = shown.findChild<QCheckBox*>(QStringLiteral("readOnlyBox"));
        EXPECT_TRUE(readOnly != nullptr && !readOnly->isChecked());
        acceptName(shown, QStringLiteral("BOOTFONT.BIN"));
    });
    EXPECT_TRUE(dialog.VBGetOpenFileName(arguments));
    EXPECT_TRUE(user.shown());
    EXPECT_EQ(arguments.Filename, (folder / "BOOTFONT.BIN").string());
    EXPECT_EQ(arguments.FileTitle, "BOOTFONT.BIN");
    EXPECT_EQ(arguments.Filter, "bootfont files\0bootfont*.*"s);
    EXPECT_EQ(arguments.FilterIndex, 1);
    EXPECT_EQ(arguments.flags, OFN_FILEMUSTEXIST);
    EXPECT_EQ(dialog.APIReturn(), 1);
}

TEST_F(QtFileDialog, TheRecordSetsUpTheDialogAndReceivesTheAnswers) {
    touch(folder / "font.v2.bin");
    OPENFILENAME record = openRequest(folder.path());
    record.lpstrTitle = "Pick a font";
    record.lpstrDefExt = "bin";
    record.nFilterIndex = 1;

    user.whenShown<QFileDialog>([&](QFileDialog& shown) {
        EXPECT_EQ(shown.windowTitle(), "Pick a font");
        EXPECT_EQ(shown.defaultSuffix(), "bin");
        EXPECT_EQ(shown.nameFilters(), (QStringList{"Fonts (*.bin *.fnt)", "All files (* *.*)"}));
        // The dialog shows descriptions only, as the platform's does.
        EXPECT_EQ(shown.selectedNameFilter(), "Fonts");
        shown.selectNameFilter(QStringLiteral("All files (* *.*)"));
        shown.findChild<QCheckBox*>(QStringLiteral("readOnlyBox"))->setChecked(true);
        acceptName(shown, QStringLiteral("font.v2.bin"));
    });
    ASSERT_EQ(platform.GetOpenFileName(record), kDialogAccepted);
    EXPECT_EQ(platform.CommDlgExtendedError(), 0);
    const std::string path = (folder / "font.v2.bin").string();
    EXPECT_EQ(record.lpstrFile->substr(0, path.size() + 1), path + '\0');
    EXPECT_EQ(record.lpstrFile->size(), 260u);
    EXPECT_EQ(record.lpstrFileTitle->substr(0, 12), "font.v2.bin\0"s);
    EXPECT_EQ(record.nFileOffset, static_cast<std::int32_t>(path.size() - 11));
    EXPECT_EQ(record.nFileExtension, static_cast<std::int32_t>(path.size() - 3));
    EXPECT_EQ(record.Flags, OFN_FILEMUSTEXIST | OFN_READONLY);
    EXPECT_EQ(record.nFilterIndex, 2);
}

TEST_F(QtFileDialog, SeveralFilesComeBackAsTheFolderAndTheirNames) {
    touch(folder / "a.bin");
    touch(folder / "b.bin");
    OPENFILENAME record = openRequest(folder.path());
    record.Flags |= OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY;

    user.whenShown<QFileDialog>([&](QFileDialog& shown) {
        EXPECT_EQ(shown.fileMode(), QFileDialog::ExistingFiles);
        EXPECT_EQ(shown.selectedNameFilter(), "All files");
        EXPECT_EQ(shown.findChild<QCheckBox*>(QStringLiteral("readOnlyBox")), nullptr);
        acceptName(shown, QStringLiteral("\"a.bin\" \"b.bin\""));
    });
    ASSERT_EQ(platform.GetOpenFileName(record), kDialogAccepted);
    const std::string list = folder.path().string() + "\0a.bin\0b.bin\0\0"s;
    EXPECT_EQ(record.lpstrFile->substr(0, list.size()), list);
    EXPECT_EQ(record.nFileOffset, static_cast<std::int32_t>(folder.path().string().size() + 1));
}

TEST_F(QtFileDialog, CancelWritesNothing) {
    OPENFILENAME record = openRequest(folder.path());
    const OPENFILENAME sent = record;
    user.whenShown<QFileDialog>([](QFileDialog& shown) { shown.reject(); });
    EXPECT_EQ(platform.GetOpenFileName(record), kDialogCancelled);
    EXPECT_EQ(platform.CommDlgExtendedError(), 0);
    EXPECT_EQ(record, sent);
}

TEST_F(QtFileDialog, APathLongerThanTheBufferFailsWithBufferTooSmall) {
    std::filesystem::path deep = folder.path();
    for (int i = 0; i < 3; ++i) {
        deep /= std::string(90, static_cast<char>('a' + i));
    }
    std::filesystem::create_directories(deep);
    touch(deep / "f.bin");
    ASSERT_GT(deep.string().size(), 260u);
    OPENFILENAME record = openRequest(deep);

    user.whenShown<QFileDialog>([](QFileDialog& shown) { acceptName(shown, "f.bin"); });
    EXPECT_EQ(platform.GetOpenFileName(record), kDialogFailed);
    EXPECT_EQ(platform.CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);
    EXPECT_EQ(record.lpstrFile, std::string(260, '\0'));

    // Through the class, the failure is told apart from a cancel by its extended error.
    cCommonDialog dialog(platform);
    OpenFileArguments arguments;
    arguments.InitDir = deep.string();
    user.whenShown<QFileDialog>([](QFileDialog& shown) { acceptName(shown, "f.bin"); });
    EXPECT_FALSE(dialog.VBGetOpenFileName(arguments));
    EXPECT_EQ(dialog.APIReturn(), kDialogFailed);
    EXPECT_EQ(dialog.ExtendedError(), FNERR_BUFFERTOOSMALL);
    EXPECT_EQ(arguments.Filename, "");
}

TEST_F(QtFileDialog, AnOwnedDialogBlocksOnlyItsOwner) {
    touch(folder / "a.bin");
    QWidget window;
    window.show();
    OPENFILENAME record = openRequest(folder.path());
    record.hwndOwner = static_cast<std::int32_t>(window.winId());

    user.whenShown<QFileDialog>([&](QFileDialog& shown) {
        EXPECT_EQ(shown.parentWidget(), &window);
        EXPECT_EQ(shown.windowModality(), Qt::WindowModal);
        acceptName(shown, "a.bin");
    });
    EXPECT_EQ(platform.GetOpenFileName(record), kDialogAccepted);
    EXPECT_TRUE(user.shown());
}

TEST_F(QtFileDialog, SaveDialogAsksBeforeOverwritingOnlyWhenTold) {
    cCommonDialog dialog(platform);
    SaveFileArguments arguments;
    arguments.InitDir = folder.path().string();
    arguments.DefaultExt = "txt";
    user.whenShown<QFileDialog>([&](QFileDialog& shown) {
        EXPECT_EQ(shown.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(shown.fileMode(), QFileDialog::AnyFile);
        EXPECT_FALSE(shown.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(shown.findChild<QCheckBox*>(QStringLiteral("readOnlyBox")), nullptr);
        acceptName(shown, QStringLiteral("report"));
    });
    EXPECT_TRUE(dialog.VBGetSaveFileName(arguments));
    EXPECT_EQ(arguments.Filename, (folder / "report.txt").string());
    EXPECT_EQ(arguments.FileTitle, "report.txt");
    EXPECT_EQ(arguments.flags, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY);

    // Without the prompt an existing file is taken at once.
    touch(folder / "old.txt");
    SaveFileArguments quiet;
    quiet.OverWritePrompt = false;
    quiet.InitDir = folder.path().string();
    user.whenShown<QFileDialog>([&](QFileDialog& shown) {
        EXPECT_TRUE(shown.testOption(QFileDialog::DontConfirmOverwrite));
        acceptName(shown, QStringLiteral("old.txt"));
    });
    EXPECT_TRUE(dialog.VBGetSaveFileName(quiet));
    EXPECT_EQ(quiet.Filename, (folder / "old.txt").string());
}

TEST(QtFileTitle, IsTheLastComponentOfThePath) {
    QtDialogPlatform platform;
    std::string buffer(260, '\0');
    EXPECT_EQ(platform.GetFileTitle("/data/font.v2.bin", buffer, 260), 0);
    EXPECT_EQ(buffer.substr(0, 12), "font.v2.bin\0"s);
    EXPECT_EQ(buffer.size(), 260u);
    for (const char* noName : {"", "/data/", "/data/..", "."}) {
        EXPECT_LT(platform.GetFileTitle(noName, buffer, 260), 0) << noName;
    }
    std::string small(4, 'x');
    EXPECT_EQ(platform.GetFileTitle("/data/font.bin", small, 4), 9);
    EXPECT_EQ(small, "xxxx");
}

TEST_F(QtFileDialog, UnusableRecordsFailWithoutADialog) {
    OPENFILENAME unknownOwner = openRequest(folder.path());
    unknownOwner.hwndOwner = 0x7FFFFFF0;
    EXPECT_EQ(platform.GetOpenFileName(unknownOwner), kDialogFailed);
    EXPECT_EQ(platform.CommDlgExtendedError(), CDERR_DIALOGFAILURE);

    OPENFILENAME wrongSize = openRequest(folder.path());
    wrongSize.lStructSize = 88;
    EXPECT_EQ(platform.GetOpenFileName(wrongSize), kDialogFailed);
    EXPECT_EQ(platform.CommDlgExtendedError(), CDERR_STRUCTSIZE);

    OPENFILENAME noBuffer = openRequest(folder.path());
    noBuffer.lpstrFile.reset();
    EXPECT_EQ(platform.GetOpenFileName(noBuffer), kDialogFailed);
    EXPECT_EQ(platform.CommDlgExtendedError(), CDERR_INITIALIZATION);
}

}  // namespace
}  // namespace platform
