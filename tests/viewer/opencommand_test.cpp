#include <QCoreApplication>
#include <QTest>
#include <filesystem>

#include "support/bootfontbuilder.h"
#include "support/tempdir.h"
#include "viewer/formfixture.h"

namespace {

using commondialog::kDialogAccepted;
using commondialog::OPENFILENAME;
using testsupport::BootFontBuilder;
using testsupport::FormTest;

int openDescriptors() {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                          std::filesystem::directory_iterator{}));
}

class OpenCommand : public FormTest {
protected:
    // The next dialog is accepted with `path` as the chosen file.
    void choose(const std::filesystem::path& path) {
        dialogs.openFileName = [path](OPENFILENAME& record) {
            testsupport::writeBuffer(record.lpstrFile, path.string());
            return kDialogAccepted;
        };
    }

    // Clicks the open button on `path` and checks that the command left no file open.
    void open(const std::filesystem::path& path) {
        choose(path);
        const int before = openDescriptors();
        button(1)->click();
        EXPECT_EQ(openDescriptors(), before) << "a file descriptor stayed open";
    }

    std::filesystem::path write(const BootFontBuilder& builder) {
        return builder.writeTo(dir / ("font" + std::to_string(files++) + ".bin"));
    }

    BootFontBuilder typicalFont() {
        BootFontBuilder font;
        font.sbcsTable(49, testsupport::sbcsGlyphs(95))
            .dbcsTable(49 + 95 * 17, testsupport::dbcsGlyphs(700));
        font.header().LanguageId = 0x804;
        font.header().CharacterImageHeight = 16;
        font.header().CharacterImageSbcsWidth = 8;
        font.header().CharacterImageDbcsWidth = 16;
        return font;
    }

    QStringList boxes() {
        QStringList texts;
        for (int i = 0; i < 13; ++i) {
            texts << form.text1Text(i);
        }
        return texts;
    }

    bool displayButtonsEnabled() {
        return button(2)->isEnabled() && button(3)->isEnabled() && button(4)->isEnabled() &&
               button(5)->isEnabled();
    }

    std::string lastMessage() {
        return messageBox.messages.empty() ? std::string() : messageBox.messages.back().text;
    }

    testsupport::TempDir dir;
    int files = 0;
};

TEST_F(OpenCommand, AsksForABootFontInTheFolderBesideTheProgram) {
    button(1)->click();  // cancelled by the fake
    ASSERT_EQ(dialogs.openFileNameRequests.size(), 1U);
    const OPENFILENAME& request = dialogs.openFileNameRequests[0];
    EXPECT_EQ(request.lpstrFilter, std::string("bootfont files\0bootfont*.*\0\0", 28));
    EXPECT_EQ(request.Flags, 0x1000);
    EXPECT_EQ(request.nFilterIndex, 1);
    EXPECT_EQ(request.hwndOwner, 0);
    EXPECT_EQ(request.nMaxFile, 260);
    EXPECT_EQ(request.lpstrInitialDir,
              (QCoreApplication::applicationDirPath() + "/bootfont").toStdString());
    EXPECT_TRUE(messageBox.messages.empty());  // a cancel is silent
}

TEST_F(OpenCommand, AnAcceptedFileFillsBoxesTablesPictureAndIndicator) {
    open(write(typicalFont()));
    EXPECT_TRUE(displayButtonsEnabled());
    EXPECT_EQ(boxes(), (QStringList{"Chinese (PRC)", "95", "700", "49", "1664", "0", "0",
                                    " 0 0 0 0 0 0 0 0 0 0 0 0", "16", "0", "0", "8", "16"}));
    EXPECT_EQ(form.state().SbcsGlyphs.size(), 95);
    EXPECT_EQ(form.state().DbcsGlyphs[699], testsupport::dbcsGlyph(699));
    EXPECT_EQ(picture()->refreshCount(), 1);  // the single-byte view
    EXPECT_EQ(indicator(), QStringLiteral("第 1 / 2 页"));
    EXPECT_TRUE(messageBox.messages.empty());
}

TEST_F(OpenCommand, AFileWithoutTheSignatureIsRejectedAndTheLastFontStaysOnShow) {
    open(write(typicalFont()));
    const QStringList shown = boxes();
    const QImage picture1 = picture()->image();

    testsupport::writeBytes(dir / "notes.txt", {'h', 'e', 'l', 'l', 'o', '\n'});
    open(dir / "notes.txt");
    ASSERT_EQ(messageBox.messages.size(), 1U);
    EXPECT_EQ(lastMessage(), "Not bootfont file!!!\u201C");
    EXPECT_EQ(messageBox.messages[0].icon, viewer::MessageBoxService::Icon::None);
    EXPECT_EQ(messageBox.messages[0].caption, Form1::programTitle().toStdString());
    EXPECT_FALSE(button(2)->isEnabled() || button(3)->isEnabled() || button(4)->isEnabled() ||
                 button(5)->isEnabled());
    EXPECT_EQ(boxes(), shown);
    EXPECT_EQ(picture()->image(), picture1);
    EXPECT_EQ(indicator(), QStringLiteral("第 1 / 2 页"));
    EXPECT_EQ(form.state().DbcsGlyphs.size(), 700);
}

TEST_F(OpenCommand, AHeaderOnlyFileHasNoPages) {
    open(write(BootFontBuilder().truncateTo(49)));
    EXPECT_TRUE(displayButtonsEnabled());
    EXPECT_EQ(form.text1Text(2), QStringLiteral("0"));
    EXPECT_EQ(indicator(), QStringLiteral("第 0 / 0 页"));
    EXPECT_EQ(picture()->refreshCount(), 0);
}

TEST_F(OpenCommand, DoubleByteGlyphsWithoutAnOffsetAreCountedButNotRead) {
    BootFontBuilder font;
    font.header().NumDbcsChars = 7000;
    open(write(font));
    EXPECT_EQ(indicator(), QStringLiteral("第 1 / 14 页"));
    EXPECT_TRUE(form.state().DbcsGlyphs.empty());
}

TEST_F(OpenCommand, CancellingOnlyReturnsThePageStartToZero) {
    BootFontBuilder font = typicalFont();
    font.dbcsTable(49 + 95 * 17, testsupport::dbcsGlyphs(2000));
    open(write(font));
    button(5)->click();
    button(5)->click();
    ASSERT_EQ(indicator(), QStringLiteral("第 3 / 4 页"));
    const QImage page3 = picture()->image();

    dialogs.openFileName = testsupport::cancelDialog;
    button(1)->click();
    EXPECT_EQ(form.state().PageStart, 0);
    EXPECT_EQ(indicator(), QStringLiteral("第 3 / 4 页"));
    EXPECT_EQ(picture()->image(), page3);
    EXPECT_TRUE(displayButtonsEnabled());

    button(5)->click();
    EXPECT_EQ(form.state().PageStart, 500);
    EXPECT_EQ(indicator(), QStringLiteral("第 2 / 4 页"));
}

TEST_F(OpenCommand, AnOverflowWhileReadingEndsTheCommandThereAndIsReported) {
    BootFontBuilder font = typicalFont();
    font.dbcsTable(49 + 95 * 17, testsupport::dbcsGlyphs(32768));
    open(write(font));
    EXPECT_EQ(lastMessage(), "运行时错误 '6':\n\n溢出");
    // The steps before stay done; the drawing and the indicator do not follow.
    EXPECT_TRUE(displayButtonsEnabled());
    EXPECT_EQ(form.text1Text(2), QStringLiteral("32768"));
    EXPECT_EQ(form.state().SbcsGlyphs.size(), 95);
    EXPECT_EQ(picture()->refreshCount(), 0);
    EXPECT_EQ(indicator(), QStringLiteral(" "));

    open(write(typicalFont()));  // the next open works
    EXPECT_EQ(indicator(), QStringLiteral("第 1 / 2 页"));
    EXPECT_EQ(messageBox.messages.size(), 1U);
}

TEST_F(OpenCommand, FilesThatCannotBeReadAreReported) {
    const auto gone = write(typicalFont());
    std::filesystem::remove(gone);  // removed between the dialog and the open
    open(gone);
    EXPECT_EQ(lastMessage(), "运行时错误 '53':\n\n文件未找到");
    open(dir.path());
    EXPECT_EQ(lastMessage(), "运行时错误 '75':\n\n路径/文件访问错误");
    EXPECT_FALSE(displayButtonsEnabled());
    EXPECT_EQ(boxes(), QStringList(13, QString()));
}

TEST_F(OpenCommand, AFailedDialogIsReportedWithItsExtendedError) {
    dialogs.openFileName = [](OPENFILENAME&) { return commondialog::kDialogFailed; };
    dialogs.extendedError = commondialog::FNERR_BUFFERTOOSMALL;
    button(1)->click();
    ASSERT_EQ(messageBox.messages.size(), 1U);
    EXPECT_NE(lastMessage().find("0x3003"), std::string::npos) << lastMessage();
    EXPECT_EQ(messageBox.messages[0].icon, viewer::MessageBoxService::Icon::Critical);
}

TEST_F(OpenCommand, AltOOpensTheDialog) {
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_O, Qt::AltModifier);
    QTest::qWait(250);  // an access key clicks its button a moment later
    EXPECT_EQ(dialogs.openFileNameRequests.size(), 1U);
}

}  // namespace
