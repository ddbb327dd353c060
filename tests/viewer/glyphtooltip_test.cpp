// Every glyph in the picture names itself: found by its place on the page, its code as the file
// stores it and its Unicode character, from the record or through the font's code page.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "viewer/formfixture.h"

namespace {

using testsupport::BootFontBuilder;

class GlyphToolTip : public testsupport::FormTest {
protected:
    void open(BootFontBuilder font, std::int32_t language) {
        font.header().LanguageId = language;
        form.openFile(QString::fromStdString(write(font.standardMetrics()).string()));
    }

    // The description's first line at each point of the picture's image; "" for none.
    void expectPlaces(std::initializer_list<std::pair<QPoint, const char*>> cases) {
        for (const auto& [point, place] : cases) {
            const QString text = picture()->glyphDescriptionAt(point);
            EXPECT_EQ(text.section(QLatin1Char('\n'), 0, 0).toStdString(), place)
                << point.x() << ", " << point.y();
        }
    }
};

// Double-byte glyphs of 16 x 16 in 21-pixel cells from (5, 5): 25 a row, 20 rows, 500 a page.
// Single-byte glyphs of 8 x 16 in 13-pixel cells: 41 a row.
TEST_F(GlyphToolTip, APointNamesTheGlyphWhoseBitmapItIsOnAndNothingElse) {
    open(xpFont(700, 2000), 0x804);
    expectPlaces({{{5 + 40 * 13 + 7, 5}, "单字节字符，索引 40（第 1 行，第 41 列）"},
                  {{5 + 40 * 13 + 8, 5}, ""},
                  {{5, 26}, "单字节字符，索引 41（第 2 行，第 1 列）"},
                  {{5 + 12 * 13, 47}, "单字节字符，索引 94（第 3 行，第 13 列）"},
                  {{5 + 13 * 13, 47}, ""}});  // past the last glyph, in the last row
    button(3)->click();
    expectPlaces({{{5, 5}, "双字节字符，索引 0（第 1 页，第 1 行，第 1 列）"},
                  {{20, 20}, "双字节字符，索引 0（第 1 页，第 1 行，第 1 列）"},
                  {{21, 5}, ""},
                  {{5, 21}, ""},  // gaps
                  {{26, 5}, "双字节字符，索引 1（第 1 页，第 1 行，第 2 列）"},
                  {{524, 419}, "双字节字符，索引 499（第 1 页，第 20 行，第 25 列）"},
                  {{531, 5}, ""}});  // right of the last column
}

TEST_F(GlyphToolTip, GlyphsAnEarlierFontLeftOnShowNameNothing) {
    open(xpFont(), 0x804);
    EXPECT_NE(picture()->glyphDescriptionAt({5, 5}), QString());
    // Without a single-byte table the next font leaves the earlier one's single-byte view on show.
    open(BootFontBuilder().dbcsTable(49, testsupport::dbcsGlyphs(3)), 0x804);
    EXPECT_EQ(picture()->glyphDescriptionAt({5, 5}), QString());
}

TEST_F(GlyphToolTip, TheCharacterComesFromTheRecordElseFromTheLanguagesCodePage) {
    auto sbcs = testsupport::sbcsGlyphs(2);
    sbcs[0].Code = sbcs[1].Code = 0xA5;
    sbcs[1].Trailer = {0x2D, 0x4E};  // the record's value wins over the code page's ą
    auto dbcs = testsupport::dbcsGlyphs(2);
    dbcs[0].Code = {0xD6, 0xD0};
    dbcs[1].Code = {0xA1, 0xA1};
    // clang-format off
    const struct {
        std::int32_t language;
        QPoint point;
        bool dbcs;
        const char* expected;
    } cases[] = {
        {0x415, {5, 5}, false, "代码 0xA5\nU+0105 ą（按代码页 852）"},
        {0x415, {18, 5}, false, "代码 0xA5\nU+4E2D 中"},
        {0x804, {5, 5}, true, "代码 0xD6D0\nU+4E2D 中（按代码页 936）"},
        {0x411, {26, 5}, true, "代码 0xA1A1\n代码页 932 中没有这个代码的字符"},
        {0x41E, {5, 5}, true, "代码 0xD6D0\n没有 Unicode 值：记录中没有，字体的语言也没有已知的代码页"},
    };
    // clang-format on
    for (const auto& c : cases) {
        open(BootFontBuilder().sbcsTable(49, sbcs, 19).dbcsTable(200, dbcs, 34), c.language);
        if (c.dbcs) {
            button(3)->click();
        }
        const QString text = picture()->glyphDescriptionAt(c.point);
        EXPECT_EQ(text.section(QLatin1Char('\n'), 1).toStdString(), c.expected);
    }
}

TEST_F(GlyphToolTip, ThePointerGivesScreenReadersAndTheTooltipTheGlyphUnderIt) {
    open(BootFontBuilder().dbcsTable(49, testsupport::dbcsGlyphs(30)), 0x804);
    button(3)->click();
    const QPoint border(2, 2);
    const auto moveTo = [&](QPoint point) {
        QMouseEvent move(QEvent::MouseMove, point + border, picture()->mapToGlobal(point + border),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(picture(), &move);
        return picture()->accessibleDescription();
    };
    EXPECT_TRUE(moveTo({30, 10}).startsWith(QStringLiteral("双字节字符，索引 1（")));
    EXPECT_EQ(moveTo({22, 10}), QString());

    // The first tip, near the screen's right edge, ends at the edge: placed at its own size.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QHelpEvent nearEdge(QEvent::ToolTip, QPoint(30, 10) + border, area.topRight() + QPoint(-2, 10));
    QCoreApplication::sendEvent(picture(), &nearEdge);
    const auto* tip = picture()->findChild<QWidget*>(QStringLiteral("GlyphToolTip"));
    ASSERT_TRUE(tip && tip->isVisible());
    EXPECT_EQ(tip->pos().x() + tip->width(), area.right() + 1);

    QHelpEvent outside(QEvent::ToolTip, QPoint(22, 10) + border, QPoint(400, 300));
    QCoreApplication::sendEvent(picture(), &outside);
    EXPECT_FALSE(outside.isAccepted()) << "a tooltip outside the glyphs";
    EXPECT_EQ(picture()->toolTipText(), QString());
    QHelpEvent over(QEvent::ToolTip, QPoint(30, 10) + border, QPoint(400, 300));
    QCoreApplication::sendEvent(picture(), &over);
    EXPECT_EQ(picture()->toolTipText(), picture()->glyphDescriptionAt({30, 10}));
    const QImage large = picture()->toolTipPicture().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(moveTo({22, 10}), QString());
    EXPECT_EQ(picture()->toolTipText(), QString()) << "the tip goes in a gap";

    // Beside the text, glyph 1 drawn large: a square of 8 x 8 pixels per glyph pixel, black where
    // its bitmap has ink and white elsewhere, a light grey line starting every square but the
    // first.
    ASSERT_EQ(large.size(), QSize(128, 128));
    const auto& bitmap = form.state().DbcsGlyphs[1].Bitmap;
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) {
            const bool ink = (bitmap[2 * r + c / 8] >> (7 - c % 8) & 1) != 0;
            EXPECT_EQ(large.pixel(c * 8 + 4, r * 8 + 4), ink ? 0xFF000000 : 0xFFFFFFFF) << r << c;
            // The grid's lines run the picture's whole height, from its first row.
            const QRgb grid = large.pixel(c * 8, r * 8 + r % 8);
            EXPECT_TRUE(c == 0 || (qGray(grid) > 160 && qGray(grid) < 255)) << r << c;
            const QRgb across = large.pixel(c * 8 + 4, r * 8);  // and across its whole width
            EXPECT_TRUE(r == 0 || (qGray(across) > 160 && qGray(across) < 255)) << r << c;
        }
    }
}

}  // namespace
