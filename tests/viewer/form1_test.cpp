#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "viewer/formfixture.h"

namespace {

using testsupport::FormTest;

class WindowTest : public FormTest {
protected:
    // Every control's geometry, by name.
    std::map<QString, QRect> geometries() {
        std::map<QString, QRect> result;
        for (QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            result[child->objectName()] = child->geometry();
        }
        return result;
    }

    void showActive() {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
};

TEST_F(WindowTest, ControlsSitAtTheirDesignedPixels) {
    EXPECT_EQ(form.size(), QSize(887, 468));
    EXPECT_EQ(button(1)->geometry(), QRect(4, 8, 89, 25));
    EXPECT_EQ(button(2)->geometry(), QRect(96, 8, 81, 25));
    EXPECT_EQ(button(3)->geometry(), QRect(180, 8, 81, 25));
    EXPECT_EQ(button(4)->geometry(), QRect(264, 8, 33, 25));
    EXPECT_EQ(button(5)->geometry(), QRect(300, 8, 33, 25));
    EXPECT_EQ(picture()->geometry(), QRect(340, 8, 544, 425));
    EXPECT_EQ(picture()->innerWidth(), 540.0F);
    EXPECT_EQ(picture()->innerHeight(), 421.0F);
    EXPECT_EQ(control("Label2")->geometry(), QRect(4, 440, 229, 25));
    EXPECT_EQ(control("URL")->pos(), QPoint(4, 264));
    const int tops[] = {40, 68, 96, 124, 152, 180, 208, 236, 296, 324, 352, 380, 408};
    for (int i = 0; i < 13; ++i) {
        const QRect box = form.Text1(i)->geometry();
        EXPECT_EQ(box, QRect(164, tops[i], 167, i == 7 ? 57 : 25)) << i;
        EXPECT_EQ(form.Label1(i)->pos(), QPoint(4, tops[i] + 4)) << i;
        EXPECT_EQ(form.Text1(i)->objectName(), QStringLiteral("Text1_%1").arg(i));
        EXPECT_EQ(form.Label1(i)->buddy(), form.Text1(i));
    }
    EXPECT_NE(qobject_cast<QPlainTextEdit*>(form.Text1(7)), nullptr);
    EXPECT_NE(qobject_cast<QLineEdit*>(form.Text1(6)), nullptr);
}

TEST_F(WindowTest, LabelsTakeTheWidthOfTheirCaptionAndClearTheBoxes) {
    for (int i = 0; i < 13; ++i) {
        QLabel* label = form.Label1(i);
        EXPECT_EQ(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << i;
        EXPECT_LE(label->geometry().right(), 163) << "label " << i << " runs into its box";
    }
    auto* url = control<QLabel>("URL");
    EXPECT_EQ(url->width(), url->fontMetrics().horizontalAdvance(url->text()));
    EXPECT_LE(url->geometry().right(), 163);
    EXPECT_TRUE(url->font().bold());
    EXPECT_TRUE(url->font().underline());
    EXPECT_EQ(url->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(url->cursor().hotSpot(), QPoint(5, 0));
    EXPECT_FALSE(url->toolTip().isEmpty());
    EXPECT_FALSE(url->toolTip().contains('\n'));
}

TEST_F(WindowTest, StartsWithOnlyTheOpenButtonEnabledAndEmptyBoxes) {
    EXPECT_TRUE(button(1)->isEnabled());
    for (int n = 2; n <= 5; ++n) {
        EXPECT_FALSE(button(n)->isEnabled()) << n;
    }
    for (int i = 0; i < 13; ++i) {
        EXPECT_TRUE(form.text1Text(i).isEmpty()) << i;
    }
    EXPECT_EQ(indicator(), QStringLiteral(" "));
    EXPECT_EQ(form.state().PageSize, 500);
    EXPECT_EQ(form.state().PageStart, 0);
    EXPECT_FALSE(form.windowIcon().isNull());
}

TEST_F(WindowTest, TabVisitsTheControlsInOrderFromTheOpenButton) {
    form.setDisplayButtonsEnabled(true);
    showActive();
    EXPECT_EQ(QApplication::focusWidget(), button(1));
    QStringList visited;
    for (int step = 0; step < 19; ++step) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList expected{"Command1"};
    for (int i = 0; i < 13; ++i) {
        expected << QStringLiteral("Text1_%1").arg(i);
    }
    expected << "Command2"
             << "Picture1"
             << "Command3"
             << "Command4"
             << "Command5";
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(QApplication::focusWidget(), button(1));  // and round again
}

TEST_F(WindowTest, AccessKeysPressOnlyEnabledButtons) {
    form.state().Header.NumSbcsChars = 1;
    form.state().Header.SbcsOffset = 49;
    form.state().SbcsGlyphs = runtime::CheckedArray<bootfont::SbcsGlyphRecord>::zeroed(1);
    form.state().Header.NumDbcsChars = 1;
    form.state().Header.DbcsOffset = 49;
    form.state().DbcsGlyphs = runtime::CheckedArray<bootfont::DbcsGlyphRecord>::zeroed(1);
    showActive();
    // An access key animates the button and clicks it a moment later.
    const auto press = [this](Qt::Key key) {
        QTest::keyClick(&form, key, Qt::AltModifier);
        QTest::qWait(250);
    };
    press(Qt::Key_S);
    press(Qt::Key_D);
    EXPECT_EQ(picture()->refreshCount(), 0);
    EXPECT_EQ(indicator(), QStringLiteral(" "));

    form.setDisplayButtonsEnabled(true);
    press(Qt::Key_S);
    EXPECT_EQ(picture()->refreshCount(), 1);
    press(Qt::Key_D);
    EXPECT_EQ(picture()->refreshCount(), 2);
    EXPECT_EQ(indicator(), QStringLiteral("第 1 / 1 页"));
}

TEST_F(WindowTest, ResizingMovesNothing) {
    form.show();
    const auto before = geometries();
    form.resize(1400, 900);
    QApplication::processEvents();
    EXPECT_EQ(geometries(), before);
    form.resize(300, 200);
    QApplication::processEvents();
    EXPECT_EQ(geometries(), before);
}

TEST_F(WindowTest, TheLinkAsksTheShellToOpenTheGuideMaximized) {
    form.show();
    QTest::mouseClick(control("URL"), Qt::LeftButton);
    ASSERT_EQ(shell.requests.size(), 1U);
    const auto& request = shell.requests[0];
    EXPECT_EQ(request.operation, "open");
    EXPECT_EQ(request.file, "iexplore");
    EXPECT_EQ(request.showCommand, 3);
    EXPECT_EQ(request.parameters.rfind("file://", 0), 0U) << request.parameters;
    EXPECT_TRUE(QString::fromStdString(request.parameters).endsWith("/userguide.html"));
    EXPECT_TRUE(messageBox.messages.empty());
}

TEST_F(WindowTest, TextTypedIntoABoxStaysUntilTheNextHeaderIsShown) {
    QTest::keyClicks(form.Text1(3), "typed");
    EXPECT_EQ(form.text1Text(3), QStringLiteral("typed"));
    form.state().Header.SbcsOffset = 49;
    form.ShowHeader();
    EXPECT_EQ(form.text1Text(3), QStringLiteral("49"));
    EXPECT_EQ(form.text1Text(7), QStringLiteral(" 0 0 0 0 0 0 0 0 0 0 0 0"));
}

}  // namespace
