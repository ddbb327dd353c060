// The three ways into the viewer, the open button's dialog, the command line and a drop, end in
// the same steps once a file is chosen; drops of anything but one file are refused.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <memory>

#include "commondialog/fakedialogplatform.h"
#include "support/bootfontbuilder.h"
#include "support/fakeservices.h"
#include "support/tempdir.h"
#include "viewer/commandline.h"
#include "viewer/form1.h"
#include "viewer/picturebox.h"

namespace {

using testsupport::BootFontBuilder;

struct Window {
    testsupport::FakeDialogPlatform dialogs;
    testsupport::RecordingMessageBox messageBox;
    testsupport::RecordingShell shell;
    Form1 form{{dialogs, messageBox, shell}};

    void openWithDialog(const std::filesystem::path& path) {
        dialogs.openFileName = [path](commondialog::OPENFILENAME& record) {
            testsupport::writeBuffer(record.lpstrFile, path.string());
            return commondialog::kDialogAccepted;
        };
        form.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    }

    // Drags `data` over `target` and drops it there; true when the window took the drop.
    bool drop(QMimeData& data, QWidget* target) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        QCoreApplication::processEvents();  // the file opens once the drop has returned
        return enter.isAccepted() && drop.isAccepted();
    }

    // Everything the steps after the dialog change.
    struct Snapshot {
        QStringList boxes;
        QString indicator;
        std::vector<bool> buttons;
        QImage picture;
        std::vector<std::string> messages;
        std::int16_t pageStart;
        bootfont::BootFontHeader header;

        bool operator==(const Snapshot&) const = default;
    };

    Snapshot snapshot() const {
        Snapshot s;
        for (int i = 0; i < 13; ++i) {
            s.boxes << form.text1Text(i);
        }
        s.indicator = form.findChild<QLabel*>(QStringLiteral("Label2"))->text();
        for (int i = 2; i <= 5; ++i) {
            s.buttons.push_back(
                form.findChild<QPushButton*>(QStringLiteral("Command%1").arg(i))->isEnabled());
        }
        s.picture = form.findChild<PictureBox*>(QStringLiteral("Picture1"))->image();
        for (const auto& message : messageBox.messages) {
            s.messages.push_back(message.text);
        }
        s.pageStart = form.state().PageStart;
        s.header = form.state().Header;
        return s;
    }
};

QMimeData* urls(const QList<QUrl>& list) {
    auto* data = new QMimeData;
    data->setUrls(list);
    return data;
}

class OpenFromAnywhere : public ::testing::Test {
protected:
    OpenFromAnywhere() {
        BootFontBuilder font;
        font.sbcsTable(49, testsupport::sbcsGlyphs(95))
            .dbcsTable(2000, testsupport::dbcsGlyphs(1200));
        font.header().LanguageId = 0x804;
        font.header().CharacterImageHeight = 16;
        font.header().CharacterImageSbcsWidth = 8;
        font.header().CharacterImageDbcsWidth = 16;
        earlier_ = font.writeTo(dir_ / "earlier.bin");
        font.sbcsTable(60, testsupport::sbcsGlyphs(30, 9), 19);
        font_ = font.writeTo(dir_ / "BOOTFONT.BIN");
        testsupport::writeBytes(dir_ / "notes.txt", {'h', 'e', 'l', 'l', 'o'});
    }

    // A window that shows the earlier font on its second double-byte page.
    std::unique_ptr<Window> windowOnPageTwo() {
        auto window = std::make_unique<Window>();
        window->openWithDialog(earlier_);
        window->form.findChild<QPushButton*>(QStringLiteral("Command5"))->click();
        EXPECT_EQ(window->form.state().PageStart, 500);
        return window;
    }

    testsupport::TempDir dir_;
    std::filesystem::path earlier_;
    std::filesystem::path font_;
};

TEST_F(OpenFromAnywhere, TheCommandLineAndADropTakeTheOpenButtonsPathOnceAFileIsChosen) {
    const std::filesystem::path files[] = {font_, dir_ / "notes.txt", dir_ / "missing.bin",
                                           dir_.path()};
    for (const auto& file : files) {
        SCOPED_TRACE(file.string());
        const QString path = QString::fromStdString(file.string());
        auto byDialog = windowOnPageTwo();
        byDialog->openWithDialog(file);
        const auto expected = byDialog->snapshot();

        auto byCommandLine = windowOnPageTwo();
        byCommandLine->form.openFile(path);
        EXPECT_EQ(byCommandLine->snapshot(), expected);

        // A folder is refused before it reaches the open path, so it is left out here.
        if (!std::filesystem::is_directory(file)) {
            auto byDrop = windowOnPageTwo();
            std::unique_ptr<QMimeData> data(urls({QUrl::fromLocalFile(path)}));
            EXPECT_TRUE(byDrop->drop(*data, &byDrop->form));
            EXPECT_EQ(byDrop->snapshot(), expected);
        }
    }
}

TEST_F(OpenFromAnywhere, AFileDroppedOnAHeaderBoxOpensInsteadOfLandingInTheBox) {
    Window window;
    std::unique_ptr<QMimeData> data(
        urls({QUrl::fromLocalFile(QString::fromStdString(font_.string()))}));
    EXPECT_TRUE(window.drop(*data, window.form.findChild<QWidget*>(QStringLiteral("Text1_1"))));
    EXPECT_EQ(window.form.text1Text(1), QStringLiteral("30"));
    EXPECT_EQ(window.form.state().SbcsGlyphs.size(), 30);
}

TEST_F(OpenFromAnywhere, DropsOfAnythingButOneFileAreRefusedWithoutAChange) {
    const QUrl file = QUrl::fromLocalFile(QString::fromStdString(font_.string()));
    std::vector<std::unique_ptr<QMimeData>> drops;
    drops.emplace_back(
        urls({file, QUrl::fromLocalFile(QString::fromStdString(earlier_.string()))}));
    drops.emplace_back(urls({QUrl::fromLocalFile(QString::fromStdString(dir_.path().string()))}));
    drops.emplace_back(urls({QUrl(QStringLiteral("https://example.org/BOOTFONT.BIN"))}));
    drops.emplace_back(urls({}));
    auto window = windowOnPageTwo();
    const auto before = window->snapshot();
    QWidget* targets[] = {&window->form,
                          window->form.findChild<QWidget*>(QStringLiteral("Text1_0"))};
    for (QWidget* target : targets) {
        for (const auto& data : drops) {
            EXPECT_FALSE(window->drop(*data, target)) << data->urls().size() << " addresses";
        }
    }
    EXPECT_EQ(window->snapshot(), before);
    EXPECT_EQ(window->dialogs.openFileNameRequests.size(), 1U);  // the earlier font's
}

struct ArgumentsCase {
    QStringList arguments;
    std::optional<int> exitStatus;
    std::optional<QString> fontFile;
    const char* textContains;
};

TEST(CommandLine, TakesOneFileHelpOrVersionAndRefusesAnythingElseWithStatus2) {
    const ArgumentsCase cases[] = {
        {{"viewer"}, {}, {}, ""},
        {{"viewer", "fonts/BOOTFONT.BIN"}, {}, QStringLiteral("fonts/BOOTFONT.BIN"), ""},
        {{"viewer", "--", "-odd.bin"}, {}, QStringLiteral("-odd.bin"), ""},
        {{"viewer", "--help"}, 0, {}, "[options] [file]"},
        {{"viewer", "--version"}, 0, {}, " 9.8.7\n"},
        {{"viewer", "a.bin", "b.bin"}, 2, {}, "Usage:"},
        {{"viewer", "--bogus"}, 2, {}, "bogus"},
        {{"viewer", "--help-all"}, 2, {}, "help-all"},
    };
    const QString version = QCoreApplication::applicationVersion();
    QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const viewer::StartRequest request = viewer::parseCommandLine(c.arguments);
        EXPECT_EQ(request.exitStatus, c.exitStatus);
        EXPECT_EQ(request.fontFile, c.fontFile);
        EXPECT_TRUE(request.text.contains(QString::fromUtf8(c.textContains)))
            << request.text.toStdString();
    }
    QCoreApplication::setApplicationVersion(version);
}

}  // namespace
