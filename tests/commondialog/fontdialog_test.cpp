#include <gtest/gtest.h>

#include <cstring>

#include "commondialog/ccommondialog.h"
#include "commondialog/fakedialogplatform.h"
#include "commondialog/fakehost.h"
#include "support/raisederror.h"

namespace commondialog {
namespace {

using runtime::ErrorNumber;
using testsupport::FakeDialogPlatform;
using testsupport::FakeFontObject;
using testsupport::FakeHostServices;
using testsupport::raisedError;

FaceNameField faceName(const char* name) {
    FaceNameField field{};
    std::memcpy(field.data(), name, std::strlen(name));
    return field;
}

struct FontDialog : testing::Test {
    FakeDialogPlatform platform;
    FakeHostServices host;
    cCommonDialog dialog{platform, host};
    FakeFontObject font;

    // The request that a call with `arguments` sends, and the arguments as they stood then.
    CHOOSEFONT sent(ChooseFontArguments& arguments, ChooseFontArguments* atCall = nullptr) {
        platform.chooseFont = [&](CHOOSEFONT&) {
            if (atCall != nullptr) {
                *atCall = arguments;
            }
            return kDialogCancelled;
        };
        platform.chooseFontRequests.clear();
        dialog.VBChooseFont(font, arguments);
        EXPECT_EQ(platform.chooseFontRequests.size(), 1u);
        return platform.chooseFontRequests.back();
    }
    std::int32_t sentFlags(ChooseFontArguments arguments) { return sent(arguments).Flags; }
    LOGFONT sentLogFont() {
        ChooseFontArguments arguments;
        sent(arguments);
        return platform.logFontsSent.back();
    }
};

TEST_F(FontDialog, WithoutAPrinterScreenFontsAreListedAndTheArgumentsRewrittenFirst) {
    ChooseFontArguments arguments;
    ChooseFontArguments atCall;
    const CHOOSEFONT request = sent(arguments, &atCall);
    EXPECT_EQ(atCall.PrinterDC, 0);
    EXPECT_EQ(atCall.flags, 0x41);
    EXPECT_EQ(request.hDC, 0);
    EXPECT_EQ(request.Flags, 0x41);
    EXPECT_EQ(request.lStructSize, 60);
    EXPECT_EQ(request.hwndOwner, 0);
    EXPECT_EQ(host.printerDCQueries, 0);
    // A cancelled dialog leaves them rewritten.
    EXPECT_EQ(arguments.PrinterDC, 0);
    EXPECT_EQ(arguments.flags, 0x41);
}

TEST_F(FontDialog, PrinterFontsComeFromTheGivenOrTheCurrentPrinter) {
    ChooseFontArguments current;
    current.flags = CF_PRINTERFONTS;
    EXPECT_EQ(sent(current).hDC, 0x5150);
    EXPECT_EQ(current.PrinterDC, 0x5150);
    EXPECT_EQ(current.flags, 0x42);
    EXPECT_EQ(host.printerDCQueries, 1);

    ChooseFontArguments given;
    given.PrinterDC = 0x77;
    const CHOOSEFONT request = sent(given);
    EXPECT_EQ(request.hDC, 0x77);
    EXPECT_EQ(request.Flags, 0x42);  // printer fonts, not screen fonts
    EXPECT_EQ(host.printerDCQueries, 1);
}

TEST_F(FontDialog, LimitsColourAndTheCallersFlags) {
    ChooseFontArguments arguments;
    arguments.MinSize = 8;
    EXPECT_EQ(sentFlags(arguments), 0x2041);
    arguments = {};
    arguments.MaxSize = 72;
    EXPECT_EQ(sentFlags(arguments), 0x2041);
    arguments = {};
    arguments.Color = 0x0000FF;
    EXPECT_EQ(sentFlags(arguments), 0x141);
    arguments = {};
    arguments.flags = CF_ENABLEHOOK | CF_ENABLETEMPLATE | CF_APPLY | CF_SCALABLEONLY;
    EXPECT_EQ(sentFlags(arguments), CF_SCALABLEONLY | 0x41);

    arguments = {};
    arguments.Owner = 12;
    arguments.Color = 0x00112233;
    arguments.MinSize = 6;
    arguments.MaxSize = 20;
    const CHOOSEFONT request = sent(arguments);
    EXPECT_EQ(request.hwndOwner, 12);
    EXPECT_EQ(request.rgbColors, 0x00112233);
    EXPECT_EQ(request.nSizeMin, 6);
    EXPECT_EQ(request.nSizeMax, 20);
}

TEST_F(FontDialog, TheFontIsSentInPixelsAndTenthsOfAPoint) {
    const auto heightAndTenths = [&](double size) {
        font.size = size;
        ChooseFontArguments arguments;
        const CHOOSEFONT request = sent(arguments);
        return std::pair(platform.logFontsSent.back().lfHeight, request.iPointSize);
    };
    EXPECT_EQ(heightAndTenths(12), std::pair(-16, 120));
    EXPECT_EQ(heightAndTenths(11), std::pair(-15, 110));
    // Halves go to the even neighbour: 14.5 pixels and 102.5 tenths.
    EXPECT_EQ(heightAndTenths(10.875), std::pair(-14, 109));
    EXPECT_EQ(heightAndTenths(10.25), std::pair(-14, 102));
    host.twipsPerPixelY = 12;  // 120 dots per inch
    EXPECT_EQ(heightAndTenths(12), std::pair(-20, 120));

    host.twipsPerPixelY = 15;
    font.size = 9;
    font.weight = 700;
    font.italic = true;
    font.strikethrough = true;
    LOGFONT expected;
    expected.lfHeight = -12;
    expected.lfWeight = 700;
    expected.lfItalic = 0xFF;
    expected.lfStrikeOut = 0xFF;
    expected.lfFaceName = faceName("Tahoma");
    EXPECT_EQ(sentLogFont(), expected);
}

TEST_F(FontDialog, AcceptWritesTheFontMembersInOrder) {
    platform.chooseFont = [](CHOOSEFONT& record) {
        record.Flags |= 0x100;
        record.rgbColors = 0x00ABCDEF;
        record.nFontType = BOLD_FONTTYPE | SCREEN_FONTTYPE;
        record.iPointSize = 105;
        LOGFONT& chosen = *record.lpLogFont;
        chosen.lfItalic = 1;
        chosen.lfUnderline = 0xFF;
        chosen.lfStrikeOut = 0;
        chosen.lfWeight = 600;
        chosen.lfFaceName = faceName("DejaVu Sans");
        return kDialogAccepted;
    };
    ChooseFontArguments arguments;
    EXPECT_TRUE(dialog.VBChooseFont(font, arguments));
    EXPECT_EQ(arguments.flags, 0x141);
    EXPECT_EQ(arguments.Color, 0x00ABCDEF);
    EXPECT_EQ(font.writes,
              (std::vector<std::string>{"Bold=1", "Italic=1", "Strikethrough=0", "Underline=1",
                                        "Weight=600", "Size=10.500000", "Name=DejaVu Sans"}));
    EXPECT_EQ(dialog.APIReturn(), 1);
}

TEST_F(FontDialog, CancelAndFailureLeaveTheFontAndColour) {
    platform.extendedError = CFERR_MAXLESSTHANMIN;
    ChooseFontArguments arguments;
    arguments.Color = 0x0000FF;
    EXPECT_FALSE(dialog.VBChooseFont(font, arguments));
    EXPECT_EQ(dialog.ExtendedError(), 0);

    platform.chooseFont = [](CHOOSEFONT& record) {
        record.rgbColors = 0;
        return kDialogFailed;
    };
    EXPECT_FALSE(dialog.VBChooseFont(font, arguments));
    EXPECT_EQ(dialog.APIReturn(), 2);
    EXPECT_EQ(dialog.ExtendedError(), CFERR_MAXLESSTHANMIN);
    EXPECT_EQ(arguments.Color, 0x0000FF);
    EXPECT_TRUE(font.writes.empty());
}

TEST_F(FontDialog, FaceNamesAreCutAtACharacterWithinThirtyOneBytes) {
    font.name = std::string(31, 'a');
    EXPECT_EQ(sentLogFont().lfFaceName, faceName(font.name.c_str()));
    font.name = std::string(40, 'b');
    EXPECT_EQ(sentLogFont().lfFaceName, faceName(std::string(31, 'b').c_str()));
    // Eleven three-byte characters are 33 bytes; ten of them fit.
    font.name.clear();
    for (int i = 0; i < 11; ++i) {
        font.name += "宋";
    }
    EXPECT_EQ(sentLogFont().lfFaceName, faceName(font.name.substr(0, 30).c_str()));

    // On the way back the font receives the name up to its first NUL.
    platform.chooseFont = [](CHOOSEFONT& record) {
        std::memcpy(record.lpLogFont->lfFaceName.data(), "Arial\0Black\0", 12);
        return kDialogAccepted;
    };
    ChooseFontArguments arguments;
    dialog.VBChooseFont(font, arguments);
    EXPECT_EQ(font.name, "Arial");
}

TEST_F(FontDialog, UnusableFontsAndAMissingHostRaiseBeforeTheDialog) {
    font.size = 1e9;  // 10^10 tenths of a point
    ChooseFontArguments arguments;
    EXPECT_EQ(raisedError([&] { dialog.VBChooseFont(font, arguments); }), ErrorNumber::Overflow);
    host.twipsPerPixelY = 0;
    font.size = 12;
    EXPECT_EQ(raisedError([&] { dialog.VBChooseFont(font, arguments); }), ErrorNumber::Overflow);

    cCommonDialog withoutHost(platform);
    EXPECT_EQ(raisedError([&] { withoutHost.VBChooseFont(font, arguments); }),
              ErrorNumber::InvalidProcedureCall);
    EXPECT_TRUE(platform.chooseFontRequests.empty());
}

}  // namespace
}  // namespace commondialog
