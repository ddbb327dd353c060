#include <QApplication>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

#include "viewer/formfixture.h"

namespace {

class WindowTest : public testsupport::FormTest {
protected:
    std::map<QString, QRect> geometries() {
        std::map<QString, QRect> result;
        for (QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            result[child->objectName()] = child->geometry();
        }
        return result;
    }
    // An access key animates its button and clicks it a moment later.
    void pressAlt(Qt::Key key) {
        QTest::keyClick(&form, key, Qt::AltModifier);
        QTest::qWait(250);
    }
};

TEST_F(WindowTest, StartsEmptyWithItsControlsAtTheirDesignedPixelsWhateverTheWindowsSize) {
    EXPECT_EQ(form.size(), QSize(887, 468));
    EXPECT_FALSE(displayButtonsEnabled());
    EXPECT_EQ(boxes(), QStringList(13, QString()));
    EXPECT_EQ(indicator(), QStringLiteral(" "));
    const std::pair<const char*, QRect> controls[] = {
        {"Command1", {4, 8, 89, 25}},   {"Command2", {96, 8, 81, 25}},
        {"Command3", {180, 8, 81, 25}}, {"Command4", {264, 8, 33, 25}},
        {"Command5", {300, 8, 33, 25}}, {"Picture1", {340, 8, 544, 425}},
        {"Label2", {4, 440, 229, 25}}};
    for (const auto& [name, rect] : controls) {
        EXPECT_EQ(control(name)->geometry(), rect) << name;
    }
    EXPECT_EQ(QSizeF(picture()->innerWidth(), picture()->innerHeight()), QSizeF(540, 421));
    EXPECT_EQ(control("URL")->pos(), QPoint(4, 264));
    const int tops[] = {40, 68, 96, 124, 152, 180, 208, 236, 296, 324, 352, 380, 408};
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(form.Text1(i)->geometry(), QRect(164, tops[i], 167, i == 7 ? 57 : 25)) << i;
        QLabel* label = form.Label1(i);
        EXPECT_EQ(label->geometry().topLeft(), QPoint(4, tops[i] + 4)) << i;
        EXPECT_EQ(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << i;
        EXPECT_LE(label->geometry().right(), 163) << "label " << i << " runs into its box";
        EXPECT_EQ(label->buddy(), form.Text1(i));
    }
    EXPECT_NE(qobject_cast<QPlainTextEdit*>(form.Text1(7)), nullptr);
    form.show();
    const auto designed = geometries();
    for (const QSize size : {QSize(1400, 900), QSize(300, 200)}) {
        form.resize(size);
        QApplication::processEvents();
        EXPECT_EQ(geometries(), designed) << "resized to " << size.width();
    }
}

TEST_F(WindowTest, TabVisitsTheControlsInOrderAndAccessKeysPressTheirButtons) {
    auto& state = form.state();
    state.Header.NumSbcsChars = state.Header.SbcsOffset = 1;
    state.Header.NumDbcsChars = state.Header.DbcsOffset = 1;
    state.SbcsGlyphs = runtime::CheckedArray<bootfont::SbcsGlyphRecord>::zeroed(1);
    state.DbcsGlyphs = runtime::CheckedArray<bootfont::DbcsGlyphRecord>::zeroed(1);
    form.setDisplayButtonsEnabled(true);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), button(1))
        << "the open button does not start with focus";
    pressAlt(Qt::Key_S);
    EXPECT_EQ(picture()->refreshCount(), 1);
    pressAlt(Qt::Key_D);
    EXPECT_EQ(indicator(), QStringLiteral("第 1 / 1 页"));
    pressAlt(Qt::Key_O);
    EXPECT_EQ(dialogs.open.requests.size(), 1U);
    button(1)->setFocus();
    QStringList visited;
    for (int step = 0; step < 20; ++step) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited.join(' '),
              "Command1 Text1_0 Text1_1 Text1_2 Text1_3 Text1_4 Text1_5 Text1_6 Text1_7 Text1_8 "
              "Text1_9 Text1_10 Text1_11 Text1_12 Command2 Picture1 Command3 Command4 Command5 "
              "Command1");
}

TEST_F(WindowTest, TheLinkAsksTheShellToOpenTheGuideMaximized) {
    form.show();
    // Blue, bold and underlined: a link as the desktop draws one.
    const QFont font = control("URL")->font();
    EXPECT_TRUE(font.bold() && font.underline());
    EXPECT_EQ(control("URL")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(control("URL")->cursor().hotSpot(), QPoint(5, 0));
    QTest::mouseClick(control("URL"), Qt::LeftButton);
    ASSERT_EQ(shell.requests.size(), 1U);
    const auto& request = shell.requests[0];
    EXPECT_EQ(std::tie(request.operation, request.file, request.showCommand),
              std::make_tuple("open", "iexplore", 3));
    EXPECT_TRUE(QRegularExpression("^file:///.*/userguide.html$")
                    .match(QString::fromStdString(request.parameters))
                    .hasMatch())
        << request.parameters;
}

}  // namespace
