#include <QPushButton>
#include <bit>

#include "viewer/formfixture.h"

namespace {

using bootfont::DbcsGlyphRecord;
using bootfont::SbcsGlyphRecord;
using testsupport::FormTest;

constexpr QRgb kInk = 0xFF000000;

// Glyphs that spell their own index in their top rows and ink their bottom-right pixel, so a
// drawing shows which glyph landed in which cell and how far it reaches.
DbcsGlyphRecord markedDbcsGlyph(int index) {
    DbcsGlyphRecord glyph;
    glyph.Bitmap[0] = static_cast<std::uint8_t>(index >> 8);
    glyph.Bitmap[1] = static_cast<std::uint8_t>(index);
    glyph.Bitmap[31] = 0x01;
    return glyph;
}

SbcsGlyphRecord markedSbcsGlyph(int index) {
    SbcsGlyphRecord glyph;
    glyph.Bitmap[0] = static_cast<std::uint8_t>(index >> 8);
    glyph.Bitmap[1] = static_cast<std::uint8_t>(index);
    glyph.Bitmap[15] = 0x01;
    return glyph;
}

int inkCount(const auto& bitmap) {
    int count = 0;
    for (const std::uint8_t byte : bitmap) {
        count += std::popcount(byte);
    }
    return count;
}

class GlyphPages : public FormTest {
protected:
    void loadDbcs(std::int32_t count, std::int32_t offset = 49) {
        auto& state = form.state();
        state.Header.NumDbcsChars = count;
        state.Header.DbcsOffset = offset;
        state.Header.CharacterImageDbcsWidth = 16;
        state.Header.CharacterImageHeight = 16;
        const int stored = std::min(count, 32767);
        state.DbcsGlyphs = runtime::CheckedArray<DbcsGlyphRecord>::zeroed(stored);
        for (int k = 0; k < stored; ++k) {
            state.DbcsGlyphs[k] = markedDbcsGlyph(k);
        }
        form.setDisplayButtonsEnabled(true);
    }

    void loadSbcs(std::int32_t count, std::uint8_t width = 8) {
        auto& state = form.state();
        state.Header.NumSbcsChars = count;
        state.Header.SbcsOffset = 49;
        state.Header.CharacterImageSbcsWidth = width;
        state.Header.CharacterImageHeight = 16;
        state.SbcsGlyphs = runtime::CheckedArray<SbcsGlyphRecord>::zeroed(count);
        for (int k = 0; k < count; ++k) {
            state.SbcsGlyphs[k] = markedSbcsGlyph(k);
        }
        form.setDisplayButtonsEnabled(true);
    }

    // The picture as drawn so far; the helpers below read this snapshot.
    const QImage& image() {
        shown_ = picture()->image();
        return shown_;
    }
    bool inkAt(int x, int y) const { return shown_.pixel(x, y) == kInk; }

    int bitsAt(int x, int y, int count) const {
        int value = 0;
        for (int i = 0; i < count; ++i) {
            value = value << 1 | (inkAt(x + i, y) ? 1 : 0);
        }
        return value;
    }

    int totalInk() {
        image();
        int count = 0;
        for (int y = 0; y < shown_.height(); ++y) {
            for (int x = 0; x < shown_.width(); ++x) {
                count += inkAt(x, y) ? 1 : 0;
            }
        }
        return count;
    }

    // Checks that cells 0.. of the double-byte grid hold glyphs first..last, and nothing else.
    void expectDbcsPage(int first, int last) {
        image();
        int expectedInk = 0;
        for (int k = first; k <= last; ++k) {
            const int cell = k - first;
            const int x = 5 + (cell % 25) * 21;
            const int y = 5 + (cell / 25) * 21;
            ASSERT_EQ(bitsAt(x, y, 16), k) << "cell " << cell;
            ASSERT_TRUE(inkAt(x + 15, y + 15)) << "cell " << cell;
            expectedInk += inkCount(markedDbcsGlyph(k).Bitmap);
        }
        EXPECT_EQ(totalInk(), expectedInk);
    }

    QImage shown_;

    QString errorText() {
        return messageBox.messages.empty()
                   ? QString()
                   : QString::fromStdString(messageBox.messages.back().text);
    }
};

TEST_F(GlyphPages, AFullDoubleBytePageIs25ColumnsBy20Rows) {
    loadDbcs(600);
    button(3)->click();
    expectDbcsPage(0, 499);
    EXPECT_EQ(indicator(), QStringLiteral("第 1 / 2 页"));
    EXPECT_EQ(picture()->refreshCount(), 1);
}

TEST_F(GlyphPages, TheSingleByteViewHolds41ARowAndAtMost820) {
    loadSbcs(1000);
    button(2)->click();
    image();
    int expectedInk = 0;
    for (int k = 0; k < 820; ++k) {
        const int x = 5 + (k % 41) * 13;
        const int y = 5 + (k / 41) * 21;
        ASSERT_EQ(bitsAt(x, y, 8) << 8 | bitsAt(x, y + 1, 8), k) << k;
        ASSERT_TRUE(inkAt(x + 7, y + 15)) << k;
        expectedInk += inkCount(markedSbcsGlyph(k).Bitmap);
    }
    EXPECT_EQ(totalInk(), expectedInk);
    EXPECT_EQ(picture()->refreshCount(), 1);
    EXPECT_EQ(indicator(), QStringLiteral(" "));  // the single-byte view has no pages
}

TEST_F(GlyphPages, AZeroWidthStillAdvancesFivePixelsAndBlankGlyphsLeaveNoInk) {
    loadSbcs(200, /*width=*/0);
    for (auto& glyph : form.state().SbcsGlyphs) {
        glyph.Bitmap = {0x80};  // the top-left pixel only
    }
    button(2)->click();
    image();
    // 107 glyphs fit a row: the next start, 5 + 108 * 5, would pass the 540-pixel width.
    for (int j = 0; j < 107; ++j) {
        EXPECT_TRUE(inkAt(5 + 5 * j, 5)) << j;
    }
    EXPECT_TRUE(inkAt(5, 26));
    EXPECT_TRUE(inkAt(5 + 5 * 92, 26));
    EXPECT_EQ(totalInk(), 200);

    for (auto& glyph : form.state().SbcsGlyphs) {
        glyph.Bitmap = {};
    }
    button(2)->click();
    EXPECT_EQ(totalInk(), 0);
}

TEST_F(GlyphPages, TheLastPageHoldsTheRestAndCountsAsAPage) {
    loadDbcs(7100);
    form.ShowDBCS(7000);
    expectDbcsPage(7000, 7099);
    EXPECT_EQ(indicator(), QStringLiteral("第 15 / 15 页"));
    EXPECT_EQ(form.state().PageStart, 7000);

    // Next from the last page names no glyph: nothing changes.
    const QImage before = image();
    button(5)->click();
    EXPECT_EQ(form.state().PageStart, 7000);
    EXPECT_EQ(indicator(), QStringLiteral("第 15 / 15 页"));
    EXPECT_EQ(image(), before);
    EXPECT_EQ(picture()->refreshCount(), 1);
}

TEST_F(GlyphPages, NextStopsAtAnExactEndAndPreviousAtTheFirstPage) {
    loadDbcs(7000);
    form.ShowDBCS(6500);
    button(5)->click();  // 7000 equals the count
    EXPECT_EQ(form.state().PageStart, 6500);
    EXPECT_EQ(indicator(), QStringLiteral("第 14 / 14 页"));

    button(3)->click();  // back to the first page from anywhere
    EXPECT_EQ(form.state().PageStart, 0);
    button(4)->click();  // previous on the first page draws it again
    EXPECT_EQ(form.state().PageStart, 0);
    EXPECT_EQ(indicator(), QStringLiteral("第 1 / 14 页"));
    expectDbcsPage(0, 499);
    EXPECT_EQ(picture()->refreshCount(), 3);
}

TEST_F(GlyphPages, NextAfterTheSingleByteViewContinuesFromTheLastDoubleBytePage) {
    loadDbcs(3000);
    loadSbcs(10);
    form.ShowDBCS(1000);
    button(2)->click();
    EXPECT_EQ(indicator(), QStringLiteral("第 3 / 6 页"));
    button(5)->click();
    EXPECT_EQ(form.state().PageStart, 1500);
    expectDbcsPage(1500, 1999);
}

TEST_F(GlyphPages, WithoutATableOffsetTheIndicatorMovesButThePictureStays) {
    loadSbcs(5);
    button(2)->click();
    const QImage sbcsView = image();
    loadDbcs(7000, /*offset=*/0);
    button(3)->click();
    EXPECT_EQ(form.state().PageStart, 0);
    EXPECT_EQ(indicator(), QStringLiteral("第 1 / 14 页"));
    EXPECT_EQ(image(), sbcsView);
    EXPECT_EQ(picture()->refreshCount(), 1);

    form.state().Header.SbcsOffset = 0;  // and the single-byte view draws nothing either
    button(2)->click();
    EXPECT_EQ(picture()->refreshCount(), 1);
}

TEST_F(GlyphPages, NoDoubleByteGlyphsMeansThePageButtonsChangeNothing) {
    loadDbcs(0);
    form.state().PageStart = 0;
    for (const int n : {3, 4, 5}) {
        button(n)->click();
    }
    EXPECT_EQ(indicator(), QStringLiteral(" "));
    EXPECT_EQ(picture()->refreshCount(), 0);
    EXPECT_TRUE(messageBox.messages.empty());
}

TEST_F(GlyphPages, NextPast32767IsAnOverflowThatChangesNothing) {
    loadDbcs(40000);
    form.state().PageStart = 32500;
    button(5)->click();
    EXPECT_EQ(errorText(), QStringLiteral("运行时错误 '6':\n\n溢出"));
    EXPECT_EQ(messageBox.messages.back().caption, Form1::programTitle().toStdString());
    EXPECT_EQ(form.state().PageStart, 32500);
    EXPECT_EQ(indicator(), QStringLiteral(" "));
}

TEST_F(GlyphPages, ACountPast32767OverflowsAfterClearingAndTheWindowStaysUsable) {
    loadSbcs(3);
    button(2)->click();
    loadDbcs(40000);
    form.state().PageStart = 1500;
    button(3)->click();
    EXPECT_EQ(errorText(), QStringLiteral("运行时错误 '6':\n\n溢出"));
    // What the drawing did before the error stays done.
    EXPECT_EQ(form.state().PageStart, 0);
    EXPECT_EQ(indicator(), QStringLiteral("第 1 / 80 页"));
    EXPECT_EQ(totalInk(), 0);
    EXPECT_EQ(picture()->refreshCount(), 1);

    button(2)->click();  // still usable
    EXPECT_EQ(picture()->refreshCount(), 2);
    EXPECT_EQ(messageBox.messages.size(), 1U);
}

TEST_F(GlyphPages, AHeaderCountBeyondTheLoadedGlyphsIsReportedNotRead) {
    loadSbcs(3);
    form.state().Header.NumSbcsChars = 50;  // a table that did not load in full
    button(2)->click();
    EXPECT_EQ(errorText(), QStringLiteral("运行时错误 '9':\n\n下标越界"));
}

}  // namespace

namespace {

TEST_F(GlyphPages, GlyphPixelsStayCrispSquaresOnScaledScreens) {
    loadDbcs(1);
    form.state().DbcsGlyphs[0].Bitmap.fill(0xAA);  // every other pixel inked
    button(3)->click();
    const QRgb background = picture()->palette().color(QPalette::Button).rgb();
    for (const qreal scale : {2.0, 1.5, 1.25}) {
        QPixmap screen((QSizeF(picture()->size()) * scale).toSize());
        screen.setDevicePixelRatio(scale);
        picture()->render(&screen);
        const QImage shown = screen.toImage();
        // Inside the border every device pixel is ink or background: nothing blended between.
        const QRect inner(QPointF(2 * scale, 2 * scale).toPoint(),
                          (QSizeF(540, 421) * scale).toSize());
        int ink = 0;
        for (int y = inner.top(); y <= inner.bottom(); ++y) {
            for (int x = inner.left(); x <= inner.right(); ++x) {
                const QRgb pixel = shown.pixel(x, y) | 0xFF000000;
                ASSERT_TRUE(pixel == kInk || pixel == (background | 0xFF000000))
                    << "scale " << scale << " at " << x << "," << y;
                ink += pixel == kInk ? 1 : 0;
            }
        }
        // At a whole factor each glyph pixel is an exact square; at a fractional one its side
        // is one or two device pixels, so only the whole factor has an exact count.
        if (scale == 2.0) {
            EXPECT_EQ(ink, 128 * 4);
        } else {
            EXPECT_GT(ink, 0) << scale;
        }
    }
}

}  // namespace
