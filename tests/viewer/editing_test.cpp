// Edits of the font on show: an edit changes its glyph's bitmap bytes and nothing else, undo goes
// back to the opened file, a save writes whole or not at all, and no edit is dropped without a
// question.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QTest>
#include <cerrno>
#include <fstream>

#include "bootfont/atomicwrite.h"
#include "bootfont/fontfile.h"
#include "viewer/fontdocument.h"
#include "viewer/fontediting.h"
#include "viewer/formfixture.h"
#include "viewer/glyphmenu.h"

namespace {

namespace fs = std::filesystem;
using bootfont::GlyphTable;

std::vector<std::uint8_t> readAll(const fs::path& path) {
    return bootfont::FontFile::open(path).bytes();
}

class Editing : public testsupport::FormTest {
protected:
    // An XP-like font whose codes ascend, so the check before a save finds nothing, with bytes
    // after its tables.
    void SetUp() override {
        auto sbcs = testsupport::sbcsGlyphs(95);
        auto dbcs = testsupport::dbcsGlyphs(700);
        for (int k = 0; k < 700; ++k) {
            dbcs[k].setCode(0x8140 + k);
            sbcs[k % 95].Code = static_cast<std::uint8_t>(0x20 + k % 95);
        }
        auto font =
            testsupport::BootFontBuilder().sbcsTable(49, sbcs, 17).dbcsTable(1664, dbcs, 36);
        font.header().LanguageId = 0x804;
        font.header().DbcsLeadTable = {0x81, 0xFE};
        path = write(font.standardMetrics().bytesAt(1664 + 700 * 36, {0xEE, 0xFF}));
        original = readAll(path);
        open(path);
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        // The editor inverts the first byte of whatever glyph it is given.
        form.editing().setEditor([this](const GlyphEditRequest& request, QWidget*) {
            requests.push_back(request);
            auto bitmap = request.bitmap;
            bitmap[0] ^= 0x80;
            return std::optional(bitmap);
        });
    }

    void editGlyph(int index) {
        ASSERT_TRUE(picture()->selectGlyph(index));
        QTest::keyClick(picture(), Qt::Key_Return);
    }
    viewer::FontDocument& document() { return *form.editing().document(); }
    bool marked() { return form.isWindowModified(); }

    fs::path path;
    std::vector<std::uint8_t> original;
    std::vector<GlyphEditRequest> requests;
};

TEST_F(Editing, AnEditChangesOneBitOfItsGlyphAndUndoGoesBackToTheOpenedFile) {
    const QImage before = picture()->image();
    const int refreshes = picture()->refreshCount();
    editGlyph(2);
    EXPECT_EQ(requests.at(0).original, requests.at(0).bitmap);
    EXPECT_EQ(form.state().SbcsGlyphs[2].Bitmap[0], original[49 + 2 * 17 + 1] ^ 0x80);
    // Only the glyph's cell changed, and the view was not drawn again.
    const QImage after = picture()->image();
    EXPECT_EQ(picture()->refreshCount(), refreshes);
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            const bool inCell = QRect(5 + 2 * 13, 5, 8, 16).contains(x, y);
            if (!inCell && after.pixel(x, y) != before.pixel(x, y)) {
                FAIL() << "pixel " << x << "," << y << " outside the cell changed";
            }
        }
    }
    EXPECT_NE(after, before);
    EXPECT_TRUE(marked());
    EXPECT_EQ(form.windowTitle(), "[*]" + Form1::programTitle());

    editGlyph(3);
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(document().bytes(), original);
    EXPECT_EQ(picture()->image(), before);
    EXPECT_FALSE(marked());
    EXPECT_EQ(form.windowTitle(), Form1::programTitle());
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form.state().SbcsGlyphs[2].Bitmap[0], original[49 + 2 * 17 + 1] ^ 0x80);
    EXPECT_EQ(picture()->selectedGlyph()->index, 2);
}

// Glyphs 2 pixels wide in the header overlap their neighbours' cells: an edit draws the view again.
TEST_F(Editing, AnEditOfOverlappingGlyphsDrawsTheViewAgain) {
    auto font = xpFont();
    font.header().CharacterImageSbcsWidth = 2;
    form.openFile(QString::fromStdString(write(font).string()));
    const QImage before = picture()->image();
    editGlyph(0);
    EXPECT_NE(picture()->image(), before);
    EXPECT_EQ(picture()->selectedGlyph()->index, 0);
}

// A double-click edits the glyph under the pointer; its menu and Ctrl+C copy its code and
// character.
TEST_F(Editing, TheSelectedGlyphIsEditedAndCopied) {
    // Glyph 3 (code 0x23, "#" in the font's code page 936), its cell 13 pixels after glyph 2's.
    const QPointF point(2 + 5 + 3 * 13 + 4, 2 + 5 + 8);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick}) {
        QMouseEvent click(type, point, picture()->mapToGlobal(point), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(picture(), &click);
    }
    ASSERT_EQ(requests.size(), 1U);
    EXPECT_EQ(requests[0].title, "编辑字形 0x23 U+0023 #");
    EXPECT_EQ(picture()->selectedGlyph()->index, 3);
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, picture()->mapToGlobal(QPoint()));
    QApplication::sendEvent(picture(), &menuKey);
    auto* menu = form.findChild<GlyphMenu*>("GlyphMenu");
    ASSERT_TRUE(menu && menu->isVisible());
    menu->actions().at(2)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "0x23");
    QTest::keyClick(picture(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "#");
    menu->actions().at(0)->trigger();
    EXPECT_EQ(requests.size(), 2U);
}

// Saved, one edited pixel is one changed byte, at its bitmap's place in its record, whatever the
// record's layout; the header, codes, Unicode values and the bytes after the tables are kept.
TEST(FontDocumentSave, OneEditedPixelIsOneChangedByte) {
    struct Case {
        GlyphTable table;
        std::size_t stride;
        std::size_t codeBytes;
    };
    for (const auto& [table, stride, codeBytes] :
         {Case{GlyphTable::Sbcs, 17, 1}, Case{GlyphTable::Sbcs, 19, 1},
          Case{GlyphTable::Dbcs, 34, 2}, Case{GlyphTable::Dbcs, 36, 2}}) {
        testsupport::BootFontBuilder font;
        font.standardMetrics().bytesAt(49 + 4 * stride, {0xAB, 0xCD});
        table == GlyphTable::Sbcs ? font.sbcsTable(49, testsupport::sbcsGlyphs(4), stride)
                                  : font.dbcsTable(49, testsupport::dbcsGlyphs(4), stride);
        const auto bytes = font.build();
        viewer::FontDocument document(bootfont::FontFile(bytes), "font.bin", std::nullopt);
        EXPECT_EQ(document.bytes(), bytes);
        auto bitmap = document.bitmap(table, 3);
        bitmap[5] ^= 0x01;
        document.editGlyph(table, 3, bitmap);
        auto expected = bytes;
        expected[49 + 3 * stride + codeBytes + 5] ^= 0x01;
        EXPECT_EQ(document.bytes(), expected) << stride;
    }
}

TEST_F(Editing, SaveAndSaveAsWriteTheEditedBytes) {
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(readAll(path), original);
    editGlyph(1);
    const fs::path copy = dir / "copy.bin";
    dialogs.save.answer = [&](commondialog::OPENFILENAME& record) {
        testsupport::writeBuffer(record.lpstrFile, copy.string());
        return commondialog::kDialogAccepted;
    };
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(dialogs.save.requests.size(), 1U);
    EXPECT_NE(dialogs.save.requests[0].Flags & commondialog::OFN_OVERWRITEPROMPT, 0);
    EXPECT_EQ(readAll(path), original);
    auto expected = original;
    expected[49 + 17 + 1] ^= 0x80;
    EXPECT_EQ(readAll(copy), expected);
    EXPECT_FALSE(marked());
    EXPECT_EQ(document().path(), copy);
    EXPECT_TRUE(messageBox.messages.empty());
}

// A write that fails leaves the file, tells the cause and keeps the edits; a file that cannot be
// written offers Save As; a file changed since it was opened is overwritten only when asked to.
TEST_F(Editing, AFailedSaveKeepsTheFileAndTheEdits) {
    editGlyph(1);
    auto& saver = form.editing().saver();
    const auto failWith = [&](int error) {
        saver.setWriter([error](const fs::path& target, std::span<const std::uint8_t>) {
            throw bootfont::FileWriteError(runtime::ErrorNumber::DeviceIoError, "", target.string(),
                                           error);
        });
    };
    failWith(ENOSPC);
    const auto messages =
        messagesOf([&] { QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier); });
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_NE(messages[0].find("磁盘空间不足"), std::string::npos) << messages[0];
    failWith(EROFS);
    messageBox.answers = {1};  // no Save As
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(messageBox.questions.back().buttons.at(0), "另存为...");
    EXPECT_TRUE(marked());
    EXPECT_EQ(readAll(path), original);

    saver.setWriter(bootfont::writeFileAtomically);
    testsupport::writeBytes(dir / "other", {1, 2, 3});
    fs::rename(dir / "other", path);
    messageBox.answers = {1};  // do not overwrite
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(readAll(path), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
    EXPECT_TRUE(marked());
}

TEST_F(Editing, ACheckErrorIsShownAndTheUserChoosesToSaveOrNot) {
    auto glyphs = testsupport::sbcsGlyphs(2);
    glyphs[0].Code = 'B';
    glyphs[1].Code = 'A';  // out of order: the boot loader's search would miss one
    const fs::path bad =
        write(testsupport::BootFontBuilder().sbcsTable(49, glyphs).standardMetrics());
    form.openFile(QString::fromStdString(bad.string()));
    const auto opened = readAll(bad);
    editGlyph(1);
    for (const std::size_t answer : {1, 0}) {  // not saved, then saved anyway
        messageBox.answers = {answer};
        QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(messageBox.questions.back().buttons,
                  (std::vector<std::string>{"仍然保存", "不保存"}));
        EXPECT_EQ(readAll(bad) == opened, answer == 1);
    }
}

// Closing, the open button and a drop ask before unsaved edits go; Cancel keeps everything.
TEST_F(Editing, UnsavedEditsAreNeverDroppedWithoutAQuestion) {
    const fs::path other = write(xpFont());
    const std::function<void()> replacements[] = {
        [&] { form.close(); },
        [&] { open(other); },
        [&] { form.openFile(QString::fromStdString(other.string())); },
    };
    form.show();
    for (const auto& replace : replacements) {
        EXPECT_TRUE(messagesOf(replace).empty());  // nothing edited: nothing asks
    }
    EXPECT_TRUE(messageBox.questions.empty());
    form.openFile(QString::fromStdString(path.string()));
    form.show();
    editGlyph(1);
    for (const auto& replace : replacements) {
        messageBox.answers = {2};  // Cancel
        replace();
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(document().path(), path);
        EXPECT_TRUE(marked());
    }
    EXPECT_EQ(messageBox.questions.size(), 3U);
    messageBox.answers = {1};  // Discard
    form.openFile(QString::fromStdString(other.string()));
    EXPECT_EQ(document().path(), other);
    EXPECT_FALSE(marked());
}

}  // namespace
