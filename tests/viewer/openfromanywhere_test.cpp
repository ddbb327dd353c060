// The three ways into the viewer, the open button's dialog, the command line and a drop, end in
// the same steps once a file is chosen; drops of anything but one file are refused.
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "viewer/commandline.h"
#include "viewer/formfixture.h"

namespace {

QString qpath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

class OpenFromAnywhere : public testsupport::FormTest {
protected:
    std::filesystem::path earlier = write(xpFont(1200, 2000));
    std::filesystem::path font_ =
        write(xpFont(1200, 2000).sbcsTable(60, testsupport::sbcsGlyphs(30, 9), 19));

    // Everything the window shows, and the messages, after `way` ran on top of the earlier font
    // on its second double-byte page.
    QStringList after(const std::function<void()>& way) {
        open(earlier);
        button(5)->click();
        QStringList shown = boxes();
        for (const auto& message : messagesOf(way)) {
            shown << QString::fromStdString(message);
        }
        const QImage image = picture()->image();
        return shown << indicator() << QString::number(form.state().PageStart)
                     << QString::number(displayButtonsEnabled())
                     << QString::number(qHashBits(image.constBits(),
                                                  static_cast<std::size_t>(image.sizeInBytes())));
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
};

TEST_F(OpenFromAnywhere, TheCommandLineAndADropTakeTheOpenButtonsStepsOnceAFileIsChosen) {
    const auto notes = write(std::vector<std::uint8_t>{'h', 'i'});
    for (const auto& file : {font_, notes, dir / "missing.bin", dir.path()}) {
        SCOPED_TRACE(file.string());
        const QStringList byDialog = after([&] { open(file); });
        EXPECT_EQ(after([&] { form.openFile(qpath(file)); }), byDialog);
        if (!std::filesystem::is_directory(file)) {  // a dropped folder is refused beforehand
            const QList<QUrl> urls{QUrl::fromLocalFile(qpath(file))};
            EXPECT_EQ(after([&] { EXPECT_TRUE(drop(urls, &form)); }), byDialog);
        }
    }
}

TEST_F(OpenFromAnywhere, OnlyOneLocalFileIsTakenAndAHeaderBoxTakesItForTheWindow) {
    const QStringList unchanged = after([] {});
    const QUrl file = QUrl::fromLocalFile(qpath(font_));
    for (const QList<QUrl>& refused :
         {QList<QUrl>{file, QUrl::fromLocalFile(qpath(earlier))},
          {QUrl(QStringLiteral("https://example.org/BOOTFONT.BIN"))}}) {
        EXPECT_EQ(after([&] { EXPECT_FALSE(drop(refused, &form)); }), unchanged);
    }
    EXPECT_TRUE(drop({file}, control("Text1_1")));
    EXPECT_EQ(form.text1Text(1), QStringLiteral("30"));  // the count, not the path
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
        {{"viewer", "--help"}, 0, {}, "[options] [file]"},
        {{"viewer", "a.bin", "b.bin"}, 2, {}, "Usage:"},
        {{"viewer", "--bogus"}, 2, {}, "bogus"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const viewer::StartRequest request = viewer::parseCommandLine(c.arguments);
        EXPECT_EQ(request.exitStatus, c.exitStatus);
        EXPECT_EQ(request.fontFile, c.fontFile);
        EXPECT_EQ(request.text.isEmpty(), !c.exitStatus) << "only a start that ends has a text";
        EXPECT_TRUE(request.text.contains(QString::fromUtf8(c.text))) << request.text.toStdString();
    }
}

}  // namespace
