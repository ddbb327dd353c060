// The three ways into the viewer, the open button's dialog, the command line and a drop, end in
// the same steps once a file is chosen; drops of anything but one file are refused.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <memory>

#include "commondialog/fakedialogplatform.h"
#include "support/bootfontbuilder.h"
#include "support/fakeservices.h"
#include "support/tempdir.h"
#include "viewer/commandline.h"
#include "viewer/form1.h"
#include "viewer/picturebox.h"

namespace {

QString qpath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// A window that shows `earlier` on its second double-byte page.
struct Window {
    explicit Window(const std::filesystem::path& earlier) {
        openWithDialog(earlier);
        form.findChild<QPushButton*>(QStringLiteral("Command5"))->click();
    }

    void openWithDialog(const std::filesystem::path& path) {
        dialogs.openFileName = [path](commondialog::OPENFILENAME& record) {
            testsupport::writeBuffer(record.lpstrFile, path.string());
            return commondialog::kDialogAccepted;
        };
        form.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    }

    // Drags `urls` onto `target` and drops them there; true when the window took them.
    bool drop(const QList<QUrl>& urls, QWidget* target) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        QCoreApplication::processEvents();  // the file opens once the drop has returned
        return enter.isAccepted() && drop.isAccepted();
    }

    // What the open command's steps after the dialog show, and what they reported.
    QStringList snapshot() const {
        const QImage picture = form.findChild<PictureBox*>(QStringLiteral("Picture1"))->image();
        QStringList s;
        for (int i = 0; i < 13; ++i) {
            s << form.text1Text(i);
        }
        s << form.findChild<QLabel*>(QStringLiteral("Label2"))->text()
          << QString::number(form.state().PageStart)
          << QString::number(
                 qHashBits(picture.constBits(), static_cast<std::size_t>(picture.sizeInBytes())));
        for (int i = 2; i <= 5; ++i) {
            s << QString::number(
                form.findChild<QPushButton*>(QStringLiteral("Command%1").arg(i))->isEnabled());
        }
        for (const auto& message : messageBox.messages) {
            s << QString::fromStdString(message.text);
        }
        return s;
    }

    testsupport::FakeDialogPlatform dialogs;
    testsupport::RecordingMessageBox messageBox;
    testsupport::RecordingShell shell;
    Form1 form{{dialogs, messageBox, shell}};
};

class OpenFromAnywhere : public ::testing::Test {
protected:
    OpenFromAnywhere() {
        testsupport::BootFontBuilder font;
        font.sbcsTable(49, testsupport::sbcsGlyphs(95))
            .dbcsTable(2000, testsupport::dbcsGlyphs(1200));
        font.header().CharacterImageHeight = 16;
        font.header().CharacterImageSbcsWidth = 8;
        font.header().CharacterImageDbcsWidth = 16;
        font.writeTo(earlier);
        font.sbcsTable(60, testsupport::sbcsGlyphs(30, 9), 19).writeTo(font_);
        testsupport::writeBytes(dir / "notes.txt", {'h', 'i'});
    }

    testsupport::TempDir dir;
    std::filesystem::path earlier = dir / "earlier.bin";
    std::filesystem::path font_ = dir / "BOOTFONT.BIN";
};

TEST_F(OpenFromAnywhere, TheCommandLineAndADropTakeTheOpenButtonsStepsOnceAFileIsChosen) {
    for (const auto& file : {font_, dir / "notes.txt", dir / "missing.bin", dir.path()}) {
        SCOPED_TRACE(file.string());
        Window byDialog(earlier), byCommandLine(earlier), byDrop(earlier);
        byDialog.openWithDialog(file);
        byCommandLine.form.openFile(qpath(file));
        EXPECT_EQ(byCommandLine.snapshot(), byDialog.snapshot());
        if (!std::filesystem::is_directory(file)) {  // a dropped folder is refused beforehand
            EXPECT_TRUE(byDrop.drop({QUrl::fromLocalFile(qpath(file))}, &byDrop.form));
            EXPECT_EQ(byDrop.snapshot(), byDialog.snapshot());
        }
    }
}

TEST_F(OpenFromAnywhere, OnlyOneFileIsTakenAndAHeaderBoxTakesItForTheWindow) {
    Window window(earlier);
    const QStringList before = window.snapshot();
    QWidget* box = window.form.findChild<QWidget*>(QStringLiteral("Text1_1"));
    const QUrl file = QUrl::fromLocalFile(qpath(font_));
    const QList<QUrl> refused[] = {{file, QUrl::fromLocalFile(qpath(earlier))},
                                   {QUrl::fromLocalFile(qpath(dir.path()))},
                                   {QUrl(QStringLiteral("https://example.org/BOOTFONT.BIN"))}};
    for (QWidget* target : {static_cast<QWidget*>(&window.form), box}) {
        for (const auto& urls : refused) {
            EXPECT_FALSE(window.drop(urls, target)) << urls.size() << " addresses";
        }
    }
    EXPECT_EQ(window.snapshot(), before);
    EXPECT_TRUE(window.drop({file}, box));
    EXPECT_EQ(window.form.text1Text(1), QStringLiteral("30"));  // the count, not the path
}

TEST(CommandLine, TakesOneFileHelpOrVersionAndRefusesAnythingElseWithStatus2) {
    const struct {
        QStringList arguments;
        std::optional<int> exitStatus;
        std::optional<QString> fontFile;
        const char* text;
    } cases[] = {
        {{"viewer"}, {}, {}, ""},
        {{"viewer", "fonts/BOOTFONT.BIN"}, {}, QStringLiteral("fonts/BOOTFONT.BIN"), ""},
        {{"viewer", "--", "-odd.bin"}, {}, QStringLiteral("-odd.bin"), ""},
        {{"viewer", "--help"}, 0, {}, "[options] [file]"},
        {{"viewer", "--version"}, 0, {}, ""},
        {{"viewer", "a.bin", "b.bin"}, 2, {}, "Usage:"},
        {{"viewer", "--bogus"}, 2, {}, "bogus"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const viewer::StartRequest request = viewer::parseCommandLine(c.arguments);
        EXPECT_EQ(request.exitStatus, c.exitStatus);
        EXPECT_EQ(request.fontFile, c.fontFile);
        EXPECT_TRUE(request.text.contains(QString::fromUtf8(c.text))) << request.text.toStdString();
    }
}

}  // namespace
