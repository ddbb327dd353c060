// Ctrl+F finds a glyph by its character or code and shows it as paging there would, F3 the next
// one; the paging keys press the page buttons.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include "viewer/formfixture.h"

namespace {

class FindAndKeys : public testsupport::FormTest {
protected:
    // A and B at 0x41 and 0x42, and 1,200 double-byte glyphs on three pages: code 0x8140 + k
    // carries U+4E00 + k, but glyph 1100 carries 中 (U+4E2D) as glyph 45 does.
    void SetUp() override {
        auto sbcs = testsupport::sbcsGlyphs(2);
        auto dbcs = testsupport::dbcsGlyphs(1200);
        for (int k = 0; k < 1200; ++k) {
            dbcs[k].setCode(0x8140 + k);
            dbcs[k].setUnicode(k == 1100 ? 0x4E2D : 0x4E00 + k);
            sbcs[k % 2].Code = 'A' + k % 2;
            sbcs[k % 2].setUnicode('A' + k % 2);
        }
        open(write(testsupport::BootFontBuilder()
                       .sbcsTable(49, sbcs, 19)
                       .dbcsTable(100, dbcs, 36)
                       .standardMetrics()));
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // Ctrl+F, the text typed into the dialog, Enter: the messages that followed.
    std::vector<std::string> find(const char* text) {
        return messagesOf([&] {
            QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier);
            auto* line = form.findChild<QLineEdit*>("FindText");
            line->setText(QString::fromUtf8(text));
            QTest::keyClick(line, Qt::Key_Return);
        });
    }
    // The page indicator, the page start and the framed glyph ("D45": double-byte glyph 45).
    std::string shown() {
        const auto framed = picture()->selectedGlyph();
        const char* table = framed && framed->table == bootfont::GlyphTable::Sbcs ? " S" : " D";
        return indicator().toStdString() + " @" + std::to_string(form.state().PageStart) +
               (framed ? table + std::to_string(framed->index) : "");
    }
};

TEST_F(FindAndKeys, ACharacterAUnicodeValueOrACodeShowsItsGlyphFramedOnItsPage) {
    const std::pair<const char*, const char*> cases[] = {{"0x8398", "第 2 / 3 页 @500 D600"},
                                                         {"B", "第 2 / 3 页 @500 S1"},
                                                         {" 41 ", "第 2 / 3 页 @500 S0"},
                                                         {"U+4E2D", "第 1 / 3 页 @0 D45"}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(find(text), std::vector<std::string>{}) << text;
        EXPECT_EQ(shown(), expected) << text;
    }
    // F3 goes on to the next 中 and after the last one to the first again.
    for (const char* expected : {"第 3 / 3 页 @1000 D1100", "第 1 / 3 页 @0 D45"}) {
        QTest::keyClick(&form, Qt::Key_F3);
        EXPECT_EQ(shown(), expected);
    }
    // A code the font lacks and a text that is no query are reported and change nothing.
    EXPECT_EQ(find("0x9999"), std::vector<std::string>{"字体中没有 代码 0x9999 的字形。"});
    EXPECT_EQ(find("ab cd").size(), 1U);
    EXPECT_EQ(shown(), "第 1 / 3 页 @0 D45");
    EXPECT_TRUE(form.findChild<QDialog*>("FindDialog")->isVisible());
    // A font without a single-byte table leaves the earlier font's loaded: Find passes them by.
    open(write(testsupport::BootFontBuilder().dbcsTable(49, testsupport::dbcsGlyphs(3))));
    EXPECT_EQ(find("A").size(), 1U);
}

TEST_F(FindAndKeys, PageKeysPressThePageButtonsHomeAndEndShowTheFirstAndLastPage) {
    const std::pair<Qt::Key, const char*> presses[] = {
        {Qt::Key_End, "第 3 / 3 页 @1000"},   {Qt::Key_PageDown, "第 3 / 3 页 @1000"},
        {Qt::Key_PageUp, "第 2 / 3 页 @500"}, {Qt::Key_Home, "第 1 / 3 页 @0"},
        {Qt::Key_PageUp, "第 1 / 3 页 @0"},   {Qt::Key_PageDown, "第 2 / 3 页 @500"}};
    for (const auto& [key, expected] : presses) {
        QTest::keyClick(&form, key);
        EXPECT_EQ(shown(), expected) << key;
    }
    form.setDisplayButtonsEnabled(false);  // as after a file that is no boot font
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Home), QKeySequence(Qt::Key_End), QKeySequence(Qt::Key_PageUp),
          QKeySequence(QKeySequence::Find)}) {
        QTest::keySequence(&form, keys);
    }
    EXPECT_EQ(shown(), "第 2 / 3 页 @500");
    EXPECT_EQ(form.findChild<QDialog*>("FindDialog"), nullptr);
}

// The arrow keys move the selection and turn the page past its first or last glyph; the table's
// ends stop them. Screen readers hear the selected glyph's description.
TEST_F(FindAndKeys, ArrowKeysMoveTheSelectionAcrossPageEdges) {
    QTest::keyClick(&form, Qt::Key_Home);
    QTest::keyClick(picture(), Qt::Key_Right);  // selects the first glyph on show
    QTest::keyClick(picture(), Qt::Key_Down);
    const int perRow = picture()->selectedGlyph()->index;
    ASSERT_GT(perRow, 1);
    const std::pair<Qt::Key, const char*> presses[] = {
        {Qt::Key_Up, "第 1 / 3 页 @0 D0"},          {Qt::Key_Up, "第 1 / 3 页 @0 D0"},
        {Qt::Key_Left, "第 1 / 3 页 @0 D0"},        {Qt::Key_End, "第 3 / 3 页 @1000"},
        {Qt::Key_Right, "第 3 / 3 页 @1000 D1000"}, {Qt::Key_Left, "第 2 / 3 页 @500 D999"},
        {Qt::Key_Right, "第 3 / 3 页 @1000 D1000"}};
    for (const auto& [key, expected] : presses) {
        QTest::keyClick(key == Qt::Key_End ? static_cast<QWidget*>(&form) : picture(), key);
        EXPECT_EQ(shown(), expected) << key;
    }
    const auto selected = picture()->selectedGlyph();
    EXPECT_EQ(picture()->accessibleDescription(),
              picture()->glyphDescriptionAt(QPoint(selected->box.left, selected->box.top)));
    EXPECT_FALSE(picture()->accessibleDescription().isEmpty());
    QTest::keyClick(picture(), Qt::Key_Up);  // up off the page: the row above, on the page before
    EXPECT_EQ(shown(), "第 2 / 3 页 @500 D" + std::to_string(1000 - perRow));
}

}  // namespace
