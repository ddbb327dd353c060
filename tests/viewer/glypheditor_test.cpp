// The glyph editor dialog: its pixel model, strokes and actions as undo steps, .hex copy and paste,
// and the previews that follow each stroke.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/raisederror.h"
#include "viewer/glypheditordialog.h"
#include "viewer/glyphpixels.h"
#include "viewer/glyphpreview.h"
#include "viewer/pixeleditor.h"

namespace {

using bootfont::GlyphTable;
using Bytes = std::vector<std::uint8_t>;

// Rows 0..3 of an 8-pixel glyph whose area is 5 x 4; the bits right of it and the rows below it
// are set and must stay set.
TEST(GlyphPixels, EachEditChangesOnlyTheArea) {
    const Bytes start = {0xC7, 0x20, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF,
                         0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const struct {
        const char* name;
        std::function<void(GlyphPixels&)> edit;
        Bytes rows;
    } cases[] = {
        {"set", [](GlyphPixels& p) { p.setPixel(2, 0, true); }, {0xE7, 0x20, 0x00, 0x00}},
        {"outside", [](GlyphPixels& p) { p.setPixel(5, 0, false); }, {0xC7, 0x20, 0x00, 0x00}},
        {"right", [](GlyphPixels& p) { p.shift(1, 0); }, {0x67, 0x10, 0x00, 0x00}},
        {"left", [](GlyphPixels& p) { p.shift(-1, 0); }, {0x87, 0x40, 0x00, 0x00}},
        {"up", [](GlyphPixels& p) { p.shift(0, -1); }, {0x27, 0x00, 0x00, 0x00}},
        {"down", [](GlyphPixels& p) { p.shift(0, 1); }, {0x07, 0xC0, 0x20, 0x00}},
        {"flip", [](GlyphPixels& p) { p.flipLeftRight(); }, {0x1F, 0x20, 0x00, 0x00}},
        {"invert", [](GlyphPixels& p) { p.invert(); }, {0x3F, 0xD8, 0xF8, 0xF8}},
        {"clear", [](GlyphPixels& p) { p.clear(); }, {0x07, 0x00, 0x00, 0x00}},
    };
    for (const auto& c : cases) {
        GlyphPixels pixels(start, 8, 5, 4);
        c.edit(pixels);
        Bytes expected = start;
        std::copy(c.rows.begin(), c.rows.end(), expected.begin());
        EXPECT_EQ(pixels.bitmap(), expected) << c.name;
    }
}

TEST(GlyphPixels, AWideGlyphsRowsCrossTheirByteBoundary) {
    Bytes start(32, 0);
    start[0] = 0x01;  // pixel 7
    start[1] = 0x3F;  // pixels 10..15, right of a 10-column area
    GlyphPixels shifted(start, 16, 10, 16);
    shifted.shift(1, 0);
    EXPECT_EQ(shifted.bitmap()[0], 0x00);
    EXPECT_EQ(shifted.bitmap()[1], 0xBF);
    GlyphPixels flipped(start, 16, 10, 16);
    flipped.flipLeftRight();
    EXPECT_EQ(flipped.bitmap()[0], 0x20);
    EXPECT_EQ(flipped.bitmap()[1], 0x3F);
}

GlyphEditRequest request(GlyphTable table, int columns, int rows) {
    const std::size_t bytes = table == GlyphTable::Sbcs ? 16 : 32;
    GlyphEditRequest r;
    r.table = table;
    r.columns = columns;
    r.rows = rows;
    r.bitmap.assign(bytes, 0);
    r.original.assign(bytes, 0);
    r.hexKey = 0x41;
    return r;
}

// The area's pixels of a single-byte glyph, a string a row: '#' ink, '.' blank.
std::vector<std::string> picture(const GlyphEditorDialog& dialog, int columns, int rows) {
    std::vector<std::string> lines;
    for (int y = 0; y < rows; ++y) {
        std::string line;
        for (int x = 0; x < columns; ++x) {
            line += (dialog.bitmap()[static_cast<std::size_t>(y)] >> (7 - x) & 1) ? '#' : '.';
        }
        lines.push_back(line);
    }
    return lines;
}

class GlyphEditor : public ::testing::Test {
protected:
    // Shown and active, so the dialog's shortcuts reach it.
    void open(GlyphEditRequest r) {
        dialog = std::make_unique<GlyphEditorDialog>(std::move(r));
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        // The keys reach the grid at once: arrows and Space edit, Enter accepts.
        EXPECT_EQ(QApplication::focusWidget(), dialog->editor());
        for (const auto* button : dialog->findChildren<QToolButton*>()) {
            EXPECT_FALSE(button->accessibleName().isEmpty()) << button->text().toStdString();
        }
    }
    QPoint at(QPoint pixel) const { return dialog->editor()->pixelRect(pixel).center(); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(dialog->editor(), key, modifiers);
    }

    std::unique_ptr<GlyphEditorDialog> dialog;
};

TEST_F(GlyphEditor, StrokesPaintTheFirstPixelsValueAndUndoAsOneStep) {
    open(request(GlyphTable::Sbcs, 4, 3));
    PixelEditor* editor = dialog->editor();
    QTest::mouseClick(editor, Qt::LeftButton, {}, at({1, 1}));
    EXPECT_EQ(picture(*dialog, 4, 3), (std::vector<std::string>{"....", ".#..", "...."}));
    QTest::mousePress(editor, Qt::LeftButton, {}, at({0, 0}));
    QTest::mouseMove(editor, at({0, 2}));
    QTest::mouseRelease(editor, Qt::LeftButton, {}, at({0, 2}));
    const std::vector<std::string> afterDown{"#...", "##..", "#..."};
    EXPECT_EQ(picture(*dialog, 4, 3), afterDown);
    // An inked cell away from the cursor is black up to the grey grid line beside it.
    const int zoom = (editor->sizeHint().width() - 1) / 4;
    const QImage drawn = editor->grab().toImage();
    EXPECT_EQ(drawn.pixelColor(1, 2 * zoom + 1), QColor(Qt::black));
    EXPECT_EQ(drawn.pixelColor(zoom - 1, 3 * zoom - 1), QColor(Qt::black));
    EXPECT_EQ(drawn.pixelColor(zoom, 3 * zoom - 1), QColor(0xC0, 0xC0, 0xC0));
    // From an inked pixel the stroke clears, over blank pixels too.
    QTest::mousePress(editor, Qt::LeftButton, {}, at({0, 1}));
    QTest::mouseMove(editor, at({2, 1}));
    QTest::mouseRelease(editor, Qt::LeftButton, {}, at({2, 1}));
    const std::vector<std::string> afterAcross{"#...", "....", "#..."};
    EXPECT_EQ(picture(*dialog, 4, 3), afterAcross);
    key(Qt::Key_Right);
    key(Qt::Key_Space);
    const std::vector<std::string> afterSpace{"#...", ".#..", "#..."};
    EXPECT_EQ(picture(*dialog, 4, 3), afterSpace);
    QTest::mouseClick(editor, Qt::RightButton, {}, at({3, 2}));  // paints nothing
    EXPECT_EQ(picture(*dialog, 4, 3), afterSpace);
    EXPECT_EQ(dialog->undoStack()->count(), 4);

    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(picture(*dialog, 4, 3), afterDown);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(picture(*dialog, 4, 3), afterAcross);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(picture(*dialog, 4, 3), afterSpace);
}

TEST_F(GlyphEditor, RevertTakesTheFilesPixelsWithinTheAreaAsOneStep) {
    GlyphEditRequest r = request(GlyphTable::Sbcs, 4, 3);
    r.bitmap[0] = 0x0F;  // right of the area
    r.original[0] = 0xA0;
    r.original[1] = 0x51;
    open(r);
    QTest::mouseClick(dialog->editor(), Qt::LeftButton, {}, at({0, 2}));
    key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(dialog->bitmap(), (Bytes{0xAF, 0x50, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(picture(*dialog, 4, 3), (std::vector<std::string>{"....", "....", "#..."}));
}

TEST_F(GlyphEditor, CopyWritesTheHexLineThatPasteReadsBack) {
    GlyphEditRequest r = request(GlyphTable::Sbcs, 8, 16);
    for (std::size_t i = 0; i < r.bitmap.size(); ++i) {
        r.bitmap[i] = static_cast<std::uint8_t>(i * 0x11);
    }
    open(r);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("0041:00112233445566778899AABBCCDDEEFF"));
    key(Qt::Key_Delete);
    EXPECT_EQ(dialog->bitmap(), Bytes(16, 0));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialog->bitmap(), r.bitmap);
}

TEST(GlyphEditorPaste, TakesHexLinesOfTheGlyphsWidthAndSaysWhyItRefusesOthers) {
    const std::string digits = "0123456789abcdef0123456789abcdef";
    const Bytes narrow = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF,
                          0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    Bytes wide = narrow;
    wide.insert(wide.end(), narrow.begin(), narrow.end());
    Bytes leftHalf(32, 0);
    for (std::size_t row = 0; row < 16; ++row) {
        leftHalf[2 * row] = narrow[row];
    }
    const struct {
        GlyphTable table;
        std::string text;
        Bytes expected;   // empty when refused
        const char* why;  // a part of the refusal's reason
    } cases[] = {
        {GlyphTable::Sbcs, " \t0010fffd:" + digits + "\r\n", narrow, ""},  // keys up to 8 digits
        {GlyphTable::Sbcs, digits, narrow, ""},
        {GlyphTable::Dbcs, "0041:" + digits, leftHalf, ""},
        {GlyphTable::Dbcs, "4E2D:" + digits + digits, wide, ""},
        {GlyphTable::Sbcs, digits + digits, {}, "单字节"},
        {GlyphTable::Sbcs, digits.substr(2), {}, "32 或 64"},
        {GlyphTable::Sbcs, "4E2D " + digits, {}, ".hex"},
        {GlyphTable::Sbcs, "xyz:" + digits, {}, ".hex"},
        {GlyphTable::Sbcs, "00010fffd:" + digits, {}, ".hex"},
        {GlyphTable::Sbcs, "", {}, ".hex"},
    };
    for (const auto& c : cases) {
        const GlyphEditRequest r = request(c.table, 16, 16);
        GlyphEditorDialog dialog(r);
        QGuiApplication::clipboard()->setText(QString::fromStdString(c.text));
        dialog.pasteGlyph();
        const bool refused = c.expected.empty();
        EXPECT_EQ(dialog.bitmap(), refused ? r.bitmap : c.expected) << c.text;
        EXPECT_EQ(dialog.undoStack()->count(), refused ? 0 : 1) << c.text;
        if (refused) {
            EXPECT_TRUE(dialog.message().contains(QString::fromUtf8(c.why))) << c.text;
        } else {
            EXPECT_EQ(dialog.message(), QString()) << c.text;
        }
    }
}

TEST(GlyphEditorPreview, TheEditedCellOfTheBootLineFollowsAStroke) {
    GlyphEditRequest r = request(GlyphTable::Sbcs, 8, 16);
    r.line.assign(3, Bytes(16, 0x81));
    r.editedCell = 1;
    r.topPad = 2;
    r.bottomPad = 1;
    r.sbcsWidth = 9;
    GlyphEditorDialog dialog(r);
    const QImage before = dialog.preview()->lineImage();
    ASSERT_EQ(before.size(), QSize(27, 19));  // three cells 9 apart, rows of 2 + 16 + 1
    QTest::mouseClick(dialog.editor(), Qt::LeftButton, {},
                      dialog.editor()->pixelRect({3, 4}).center());
    const QImage after = dialog.preview()->lineImage();
    EXPECT_EQ(dialog.preview()->glyphImage().pixel(3, 4), QColor(Qt::black).rgb());
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            EXPECT_EQ(after.pixel(x, y) != before.pixel(x, y), x == 9 + 3 && y == 2 + 4)
                << x << ", " << y;
        }
    }
}

TEST(GlyphEditorRequest, ABitmapOrOriginalOfAnotherSizeIsRefused) {
    GlyphEditRequest wrongBitmap = request(GlyphTable::Dbcs, 16, 16);
    wrongBitmap.bitmap.resize(16);
    GlyphEditRequest wrongOriginal = request(GlyphTable::Sbcs, 8, 16);
    wrongOriginal.original.clear();
    for (const GlyphEditRequest& r : {wrongBitmap, wrongOriginal}) {
        EXPECT_EQ(testsupport::raisedError([&r] { GlyphEditorDialog dialog(r); }),
                  runtime::ErrorNumber::InvalidProcedureCall);
    }
}

}  // namespace
