#pragma once

#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <functional>

#include "commondialog/fakedialogplatform.h"
#include "support/bootfontbuilder.h"
#include "support/fakeservices.h"
#include "support/tempdir.h"
#include "viewer/form1.h"
#include "viewer/glyphpicture.h"

namespace testsupport {

// A window wired to recording services, with its controls found by name as a screen reader or a
// user script would find them.
class FormTest : public ::testing::Test {
public:
    template <typename Widget = QWidget>
    Widget* control(const QString& name) {
        auto* widget = form.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QPushButton* button(int number) {
        return control<QPushButton>(QString("Command%1").arg(number));
    }
    GlyphPicture* picture() { return control<GlyphPicture>("Picture1"); }
    QString indicator() { return control<QLabel>("Label2")->text(); }
    QStringList boxes() {
        QStringList texts;
        for (int i = 0; i < 13; ++i) {
            texts << form.text1Text(i);
        }
        return texts;
    }
    // The four display buttons change only together; one answer for all, or a failure.
    bool displayButtonsEnabled() {
        const bool enabled = button(2)->isEnabled();
        for (int n = 3; n <= 5; ++n) {
            EXPECT_EQ(button(n)->isEnabled(), enabled) << "Command" << n;
        }
        return enabled;
    }

    std::filesystem::path write(const std::vector<std::uint8_t>& bytes) {
        const auto path = dir / ("font" + std::to_string(files++) + ".bin");
        writeBytes(path, bytes);
        return path;
    }
    std::filesystem::path write(const BootFontBuilder& font) { return write(font.build()); }

    // A Chinese font in the XP fonts' metrics: 95 single-byte glyphs at 49 and `numDbcs`
    // double-byte ones at `dbcsOffset`, which the header counts even where no table is written.
    static BootFontBuilder xpFont(std::int32_t numDbcs = 700,
                                  std::int32_t dbcsOffset = 49 + 95 * 17) {
        BootFontBuilder font;
        font.sbcsTable(49, sbcsGlyphs(95));
        if (dbcsOffset > 0) {
            font.dbcsTable(dbcsOffset, dbcsGlyphs(numDbcs));
        }
        font.header().NumDbcsChars = numDbcs;
        font.header().DbcsOffset = dbcsOffset;
        font.header().LanguageId = 0x804;
        return font.standardMetrics();
    }

    // Chooses `path` in the open dialog (after `whileDialogIsUp` ran) and returns the texts of the
    // messages the open command showed. Checks that the command left no file open.
    std::vector<std::string> open(const std::filesystem::path& path) {
        dialogs.open.answer = [&](commondialog::OPENFILENAME& record) {
            whileDialogIsUp();
            writeBuffer(record.lpstrFile, path.string());
            return commondialog::kDialogAccepted;
        };
        return messagesOf([&] { button(1)->click(); });
    }

    // The texts of the messages that `action` showed; checks it left no file open.
    std::vector<std::string> messagesOf(const std::function<void()>& action) {
        const auto openFiles = [] {
            return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
        };
        const auto descriptors = openFiles();
        const std::size_t before = messageBox.messages.size();
        action();
        EXPECT_EQ(openFiles(), descriptors) << "a file descriptor stayed open";
        std::vector<std::string> texts;
        for (std::size_t i = before; i < messageBox.messages.size(); ++i) {
            texts.push_back(messageBox.messages[i].text);
        }
        return texts;
    }

    FakeDialogPlatform dialogs;
    RecordingMessageBox messageBox;
    RecordingShell shell;
    Form1 form{{dialogs, messageBox, shell}};
    TempDir dir;
    int files = 0;
    std::function<void()> whileDialogIsUp = [] {};
};

}  // namespace testsupport
