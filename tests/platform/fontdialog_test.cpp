#include <gtest/gtest.h>

#include <QFontDialog>

#include <cmath>
#include <cstring>

#include "commondialog/ccommondialog.h"
#include "platform/dialogdriver.h"
#include "platform/dialogwindow.h"
#include "platform/qtdialogplatform.h"
#include "platform/qtfontobject.h"
#include "platform/qthostservices.h"
#include "runtime/runtimeerror.h"

namespace platform {
namespace {

using namespace commondialog;

// 12 points in pixels of the test screen.
std::int32_t twelvePointHeight() {
    return -static_cast<std::int32_t>(std::lround(12 * screenDotsPerInchY() / 72));
}

struct QtFontDialog : testing::Test {
    QtDialogPlatform platform;
    testsupport::DialogDriver user;
    LOGFONT logFont;
    CHOOSEFONT record;

    QtFontDialog() {
        logFont.lfHeight = twelvePointHeight();
        logFont.lfWeight = 700;
        logFont.lfItalic = 0xFF;
        logFont.lfUnderline = 0xFF;
        logFont.lfFaceName = TextToFaceName("DejaVu Sans");
        record.lStructSize = CHOOSEFONT::kSize;
        record.lpLogFont = &logFont;
        record.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
        record.rgbColors = 0x00112233;
    }
};

TEST_F(QtFontDialog, StartsAtTheLogFontAndReturnsTheChosenFont) {
    user.whenShown<QFontDialog>([](QFontDialog& shown) {
        const QFont start = shown.currentFont();
        EXPECT_EQ(start.family(), "DejaVu Sans");
        EXPECT_DOUBLE_EQ(start.pointSizeF(), 12);
        EXPECT_EQ(start.weight(), QFont::Bold);
        EXPECT_TRUE(start.italic());
        EXPECT_TRUE(start.underline());
        EXPECT_FALSE(start.strikeOut());
        // Qt's dialog offers whole point sizes and the family's own style names.
        QFont chosen(QStringLiteral("DejaVu Sans Mono"), 10);
        chosen.setStyleName(QStringLiteral("Book"));
        chosen.setStrikeOut(true);
        shown.setCurrentFont(chosen);
        shown.accept();
    });
    ASSERT_EQ(platform.ChooseFont(record), kDialogAccepted);
    EXPECT_EQ(FaceNameToText(logFont.lfFaceName), "DejaVu Sans Mono");
    EXPECT_EQ(record.iPointSize, 100);
    EXPECT_EQ(logFont.lfHeight, -std::lround(10 * screenDotsPerInchY() / 72));
    EXPECT_EQ(logFont.lfWeight, 400);
    EXPECT_EQ(logFont.lfItalic, 0);
    EXPECT_EQ(logFont.lfUnderline, 0);
    EXPECT_NE(logFont.lfStrikeOut, 0);
    EXPECT_EQ(record.nFontType, REGULAR_FONTTYPE | SCREEN_FONTTYPE);
    EXPECT_EQ(record.rgbColors, 0x00112233);
}

TEST_F(QtFontDialog, SizeLimitsAndPitchAreHonoured) {
    record.Flags |= CF_LIMITSIZE | CF_FIXEDPITCHONLY;
    record.nSizeMin = 8;
    record.nSizeMax = 20;
    user.whenShown<QFontDialog>([](QFontDialog& shown) {
        EXPECT_TRUE(shown.testOption(QFontDialog::MonospacedFonts));
        QFont large(QStringLiteral("DejaVu Sans Mono"));
        large.setPointSize(30);
        shown.setCurrentFont(large);
        shown.accept();
    });
    ASSERT_EQ(platform.ChooseFont(record), kDialogAccepted);
    EXPECT_EQ(record.iPointSize, 200);
    EXPECT_EQ(record.nFontType & BOLD_FONTTYPE, 0);

    record.nSizeMin = 30;
    EXPECT_EQ(platform.ChooseFont(record), kDialogFailed);
    EXPECT_EQ(platform.CommDlgExtendedError(), CFERR_MAXLESSTHANMIN);
}

TEST_F(QtFontDialog, CancelWritesNothing) {
    const LOGFONT sentFont = logFont;
    user.whenShown<QFontDialog>([](QFontDialog& shown) { shown.reject(); });
    EXPECT_EQ(platform.ChooseFont(record), kDialogCancelled);
    EXPECT_EQ(logFont, sentFont);
    EXPECT_EQ(record.iPointSize, 0);
}

TEST(QtHostServices, AnswerThePrinterAndThePixelHeight) {
    QtDialogPlatform platform;
    QtHostServices host(platform);
    EXPECT_DOUBLE_EQ(host.TwipsPerPixelY(), 1440 / screenDotsPerInchY());
    const std::int32_t printer = host.CurrentPrinterDC();
    EXPECT_NE(platform.printerOf(printer), nullptr);
    EXPECT_EQ(host.CurrentPrinterDC(), printer);
}

TEST(QtFontObjectRoundTrip, ThroughTheClassAnUnchangedFontComesBackUnchanged) {
    QtDialogPlatform platform;
    QtHostServices host(platform);
    cCommonDialog dialog(platform, host);
    QFont start(QStringLiteral("DejaVu Sans"));
    start.setPointSizeF(12);
    start.setBold(true);
    QtFontObject font(start);
    testsupport::DialogDriver user;
    user.whenShown<QFontDialog>([](QFontDialog& shown) { shown.accept(); });
    ChooseFontArguments arguments;
    ASSERT_TRUE(dialog.VBChooseFont(font, arguments));
    EXPECT_EQ(font.Name(), "DejaVu Sans");
    EXPECT_DOUBLE_EQ(font.Size(), 12);
    EXPECT_TRUE(font.Bold());
    EXPECT_EQ(font.Weight(), 700);
    EXPECT_FALSE(font.Italic());
}

TEST(QtFontObject, RefusesSizesAndWeightsAFontCannotHave) {
    QtFontObject font;
    for (const double size : {0.0, -1.0, std::nan("")}) {
        EXPECT_THROW(font.setSize(size), runtime::RuntimeError) << size;
    }
    EXPECT_THROW(font.setWeight(-1), runtime::RuntimeError);
    EXPECT_THROW(font.setWeight(1001), runtime::RuntimeError);
    font.setWeight(0);
    EXPECT_EQ(font.Weight(), 400);
    font.setSize(10.5);
    EXPECT_DOUBLE_EQ(font.Size(), 10.5);
}

}  // namespace
}  // namespace platform
