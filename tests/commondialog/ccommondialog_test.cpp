#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "commondialog/ccommondialog.h"
#include "commondialog/fakedialogplatform.h"
#include "support/raisederror.h"

// Designated initializers name only the arguments a case sets; GCC 12 would warn about the
// others, which keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace commondialog {
namespace {

using namespace std::string_literals;
using runtime::ErrorNumber;
using testsupport::raisedError;
using Writes = std::vector<std::string>;

// Font and printer objects keep each member written as "Member=value", in order.
struct WriteLog {
    Writes writes;
    void log(const std::string& member, auto value) {
        writes.push_back(member + "=" + std::to_string(value));
    }
};

// Only the name and size reach the request from here; the style the Qt dialog test checks.
struct FakeFont : FontObject, WriteLog {
    std::string name = "Tahoma";
    double size = 12;
    std::string Name() const override { return name; }
    void setName(const std::string& value) override { writes.push_back("Name=" + value); }
    double Size() const override { return size; }
    void setSize(double value) override { log("Size", value); }
    bool Bold() const override { return false; }
    void setBold(bool value) override { log("Bold", value); }
    bool Italic() const override { return true; }
    void setItalic(bool value) override { log("Italic", value); }
    bool Underline() const override { return false; }
    void setUnderline(bool value) override { log("Underline", value); }
    bool Strikethrough() const override { return true; }
    void setStrikethrough(bool value) override { log("Strikethrough", value); }
    std::int16_t Weight() const override { return 700; }
    void setWeight(std::int16_t value) override { log("Weight", value); }
};

// A printer that cannot turn its page: it refuses every orientation.
struct FakePrinter : PrinterObject, WriteLog {
    void setCopies(std::int16_t value) override { log("Copies", value); }
    void setOrientation(std::int16_t) override {
        runtime::raise(ErrorNumber::InvalidProcedureCall, "orientation");
    }
    void setPaperSize(std::int16_t value) override { log("PaperSize", value); }
    void setPrintQuality(std::int16_t value) override { log("PrintQuality", value); }
};

// A call of one dialog method with the given arguments.
template <typename Arguments>
std::function<bool(cCommonDialog&)> calling(bool (cCommonDialog::*method)(Arguments&),
                                            std::type_identity_t<Arguments> arguments) {
    return [=](cCommonDialog& dialog) mutable { return (dialog.*method)(arguments); };
}

// The test is the dialog's host as well.
struct CommonDialog : testing::Test, HostServices {
    testsupport::FakeDialogPlatform platform;
    cCommonDialog dialog{platform, *this};
    double twipsPerPixelY = 15;
    std::int32_t CurrentPrinterDC() override { return 0x5150; }
    double TwipsPerPixelY() override { return twipsPerPixelY; }
    FakeFont font;
    FakePrinter printer;

    // A device-mode block of `size` bytes (0xEE fill) with copies, orientation, paper size, print
    // quality and collation at their offsets in the platform's DEVMODE; returns its handle.
    std::int32_t deviceMode(std::array<std::int16_t, 5> fields, std::size_t size = 156) {
        auto& block = platform.blocks[0x4000 + fields[0]] = std::vector<std::uint8_t>(size, 0xEE);
        for (std::size_t i = 0; const std::size_t offset : {54, 44, 46, 58, 68}) {
            block[offset] = static_cast<std::uint8_t>(fields[i] & 0xFF);
            block[offset + 1] = static_cast<std::uint8_t>(fields[i++] >> 8);
        }
        return 0x4000 + fields[0];
    }
};

TEST_F(CommonDialog, ArgumentsThatDoNotFitRaiseBeforeAnyDialog) {
    const auto open = &cCommonDialog::VBGetOpenFileName;
    const std::pair<std::function<bool(cCommonDialog&)>, ErrorNumber> cases[] = {
        {calling(open, {.Filename = std::string(261, 'n')}), ErrorNumber::InvalidProcedureCall},
        {calling(open, {.FileTitle = std::string(261, 't')}), ErrorNumber::InvalidProcedureCall},
        {calling(open, {.Filter = std::string(32767, 'f')}), ErrorNumber::Overflow},
        {calling(&cCommonDialog::vbPrintDlg, {.FromPage = 40000}), ErrorNumber::Overflow},
        // 2,147,484,000 thousandths of an inch
        {calling(&cCommonDialog::VBPageSetupDlg, {.LeftMargin = 2147484}), ErrorNumber::Overflow},
    };
    for (auto& [call, error] : cases) {
        EXPECT_EQ(raisedError([&, call = call] { call(dialog); }), error);
    }
    EXPECT_TRUE(platform.open.requests.empty() && platform.print.requests.empty() &&
                platform.pageSetup.requests.empty())
        << "a dialog was shown after an error";
}

TEST_F(CommonDialog, FileRequestsCombineTheBooleansWithTheCallersFlagsLessHookAndTemplate) {
    const auto open = &cCommonDialog::VBGetOpenFileName;
    calling(open,
            {.Filename = std::string(260, 'n'), .FileMustExist = false, .flags = 0x80060})(dialog);
    calling(open, {.MultiSelect = true, .ReadOnly = true, .HideReadOnly = true})(dialog);
    calling(&cCommonDialog::VBGetSaveFileName, {.flags = 0x80060})(dialog);
    const std::vector<OPENFILENAME>& sent = platform.open.requests;
    EXPECT_EQ(std::tuple(sent[0].Flags, sent[1].Flags, platform.save.requests[0].Flags),
              std::tuple(0x80000, 0x1205, 0x80006))
        << "the save dialog hides the read-only box";
    EXPECT_EQ(sent[0].lpstrFile, std::string(260, 'n')) << "a full buffer has no fill";
}

// Only a failure fetches the extended error; a cancel clears the one before, an acceptance leaves
// it. How the chosen path and title come back the Qt dialog tests check.
TEST_F(CommonDialog, TheFileDialogsOutcomeSetsOrResetsTheOutputs) {
    // clang-format off
    const std::tuple<std::int32_t, std::int32_t, std::string, std::string, std::int32_t,
                     std::int32_t, std::int32_t> cases[] = {
        // result and filter index returned; Filename, Filter, flags, FilterIndex, ExtendedError
        {1, 2, "start", "All\0*"s, 0x81000, 2, 0},  {1, 1, "start", "Fonts\0*.bin"s, 0x81000, 1, 0},
        {1, 3, "start", "", 0x81000, 3, 0},         {1, 0, "start", "", 0x81000, 0, 0},
        {1, -1, "start", "", 0x81000, -1, 0},       {2, 1, "", "", 0, -1, 0x3003},
        {0, 1, "", "", 0, -1, 0},                   {-5, 1, "", "", 0, -1, 0x3003},
    };
    const OpenFileArguments start{.Filename = "start", .FileTitle = "start", .ReadOnly = true, .Filter = "Fonts|*.bin:All|*", .flags = 0x80000};
    // clang-format on
    platform.extendedError = 0x3003;
    for (const auto& [result, index, filename, filter, flags, filterIndex, error] : cases) {
        platform.open.answer = [index = index, result = result](OPENFILENAME& record) {
            std::tie(record.nFilterIndex, record.Flags) = std::tuple(index, 0x81000);
            return result;
        };
        OpenFileArguments open = start;
        EXPECT_EQ(dialog.VBGetOpenFileName(open), result == 1);
        EXPECT_EQ(
            std::tuple(open.Filename, open.FileTitle, open.Filter, open.flags, open.FilterIndex,
                       open.ReadOnly, dialog.APIReturn(), dialog.ExtendedError()),
            std::tuple(filename, filename, filter, flags, filterIndex, true, result, error))
            << "result " << result << ", filter index " << index
            << "; a cleared read-only box never clears ReadOnly";
    }
    SaveFileArguments save{.FilterIndex = 2};
    EXPECT_FALSE(dialog.VBGetSaveFileName(save));  // unscripted: cancelled
    EXPECT_EQ(save.FilterIndex, 0) << "a cancelled save dialog's filter index";
}

// The face name is cut to 31 bytes at a character; "宋" takes 3.
TEST_F(CommonDialog, TheFontRequestCarriesThePrinterTheFlagsTheSizeInPixelsAndTenthsAndTheName) {
    const std::string b40(40, 'b'), song = "宋宋宋宋宋宋宋宋宋宋宋";
    // clang-format off
    const std::tuple<ChooseFontArguments, std::string, double, double, std::int32_t, std::int32_t,
                     std::int32_t, std::int32_t, std::string> cases[] = {
        // arguments, name, points, twips per pixel; PrinterDC, flags, lfHeight, iPointSize and
        // face name sent, halves going to the even neighbour
        {{},                                "Tahoma", 12,     15, 0,      0x41,    -16, 120, "Tahoma"},
        {{.flags = 0x2},                    b40,      10.875, 15, 0x5150, 0x42,    -14, 109, b40.substr(0, 31)},
        {{.PrinterDC = 0x77, .MinSize = 8}, song,     10.25,  12, 0x77,   0x2042,  -17, 102, song.substr(0, 30)},
        {{.Color = 0xFF, .MaxSize = 72},    "Tahoma", 12,     15, 0,      0x2141,  -16, 120, "Tahoma"},
        {{.flags = 0x20218},                "Tahoma", 12,     15, 0,      0x20041, -16, 120, "Tahoma"},  // less hook, template, apply
    };
    // clang-format on
    for (auto [arguments, name, points, twips, printerDC, flags, height, tenths, face] : cases) {
        std::tie(font.name, font.size, twipsPerPixelY) = std::tuple(name, points, twips);
        dialog.VBChooseFont(font, arguments);
        const CHOOSEFONT& request = platform.font.requests.back();
        const LOGFONT& sent = platform.logFontsSent.back();
        EXPECT_EQ(std::tuple(request.hDC, request.Flags, arguments.PrinterDC, arguments.flags,
                             sent.lfHeight, request.iPointSize, FaceNameToText(sent.lfFaceName),
                             sent.lfUnderline),
                  std::tuple(printerDC, flags, printerDC, flags, height, tenths, face, 0))
            << points << " points at " << twips << " twips per pixel";
    }
}

TEST_F(CommonDialog, AnAcceptedFontDialogWritesTheFontMembersInOrder) {
    platform.font.answer = [](CHOOSEFONT& record) {
        record.Flags |= 0x100;
        record.rgbColors = 0x00ABCDEF;
        record.nFontType = 0x2100;  // bold, screen font
        record.iPointSize = 105;
        *record.lpLogFont = {.lfWeight = 600, .lfItalic = 1, .lfUnderline = 0xFF};
        record.lpLogFont->lfFaceName = TextToFaceName("Arial\0Black"s);
        return kDialogAccepted;
    };
    platform.extendedError = 0x2002;
    ChooseFontArguments arguments;
    EXPECT_TRUE(dialog.VBChooseFont(font, arguments));
    EXPECT_EQ(std::tuple(arguments.flags, arguments.Color, dialog.ExtendedError()),
              std::tuple(0x141, 0x00ABCDEF, 0));
    EXPECT_EQ(font.writes, (Writes{"Bold=1", "Italic=1", "Strikethrough=0", "Underline=1",
                                   "Weight=600", "Size=10.500000", "Name=Arial"}));
}

// The user prints pages 3 to 0xFFFE, the range and device mode of each case. The printer still
// receives the members after the orientation it refuses.
TEST_F(CommonDialog, ThePrintDialogSendsTheRangeAndHandsOnAWholeDeviceModeOnly) {
    // clang-format off
    const std::tuple<PrintDlgArguments, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                     std::int16_t, bool, Writes> cases[] = {
        // arguments; Flags sent; Flags and device mode returned; PrintRange, Copies, Collate and
        // the printer's members after
        {{.PrintRange = 1, .Owner = -1}, 0x1C0102, 0x23, deviceMode({4, 2, 9, 600, 1}), 1, 4, true,
         {"Copies=4", "PaperSize=9", "PrintQuality=600"}},
        {{.PrintRange = 2}, 0x1C0101, 0x21, deviceMode({9, 2, 9, 600, 1}, 121), 2, 3, false, {}},
        {{.PrintRange = 3}, 0x1C0100, 0x20, 0, 0, 3, false, {}},
    };
    // clang-format on
    for (auto [arguments, sentFlags, flags, hDevMode, range, copies, collate, writes] : cases) {
        platform.blocks[0x77] = {1, 2, 3};  // the device names
        platform.print.answer = [hDevMode = hDevMode, flags = flags](PRINTDLG& record) {
            record = {.hDevMode = hDevMode, .hDevNames = 0x77, .hDC = 0x99, .Flags = flags};
            std::tie(record.nFromPage, record.nToPage) = std::tuple(3, 0xFFFE);
            return kDialogAccepted;
        };
        printer.writes.clear();
        std::tie(arguments.Copies, arguments.Printer) = std::tuple(3, &printer);
        EXPECT_TRUE(dialog.vbPrintDlg(arguments));
        const PRINTDLG& sent = platform.print.requests.back();
        EXPECT_EQ(std::tuple(sent.Flags, sent.hwndOwner, sent.nToPage),
                  std::tuple(sentFlags, arguments.Owner, 0xFFFF))
            << "-1 is an owner here, and pages travel as 16-bit values";
        EXPECT_EQ(
            std::tuple(arguments.hdc, arguments.PrintRange, arguments.FromPage, arguments.ToPage,
                       arguments.PrintToFile, arguments.Copies, arguments.Collate, printer.writes),
            std::tuple(0x99, range, 3, -2, true, copies, collate, writes));
    }
    EXPECT_TRUE(platform.blocks.empty()) << "the device modes and names are released once read";
}

// The page setup counts any non-zero result as acceptance and never records a result.
TEST_F(CommonDialog, PageSetupSendsMarginsInThousandthsOfAnInchAndRoundsThemBackHalfToEven) {
    platform.pageSetup.answer = [this](PAGESETUPDLG& record) {
        record.rtMargin = {1500, 2500, 3500, 499};
        record.rtMinMargin = {500, 1501, 0, 2499};
        record.hDevMode = deviceMode({3, 2, 8, 1200, 0});
        platform.blocks[record.hDevNames = 0x77] = {1, 2, 3};  // the device names
        return 0x10002;                                        // read as 16 bits: 2
    };
    platform.extendedError = 0x1006;
    PageSetupArguments arguments{.MinLeftMargin = 5, .Printer = &printer};
    std::tie(arguments.LeftMargin, arguments.TopMargin, arguments.RightMargin,
             arguments.BottomMargin) = std::tuple(1, 2, 3, 4);
    EXPECT_TRUE(dialog.VBPageSetupDlg(arguments));
    const PAGESETUPDLG& sent = platform.pageSetup.requests[0];
    EXPECT_EQ(std::tuple(sent.hwndOwner, sent.Flags, sent.rtMargin, sent.rtMinMargin.left),
              std::tuple(0, 0x7, RECT{1000, 2000, 3000, 4000}, 5000));
    EXPECT_EQ((std::array{arguments.LeftMargin, arguments.TopMargin, arguments.RightMargin,
                          arguments.BottomMargin, arguments.MinLeftMargin, arguments.MinTopMargin,
                          arguments.MinRightMargin, arguments.MinBottomMargin}),
              (std::array{2, 2, 4, 0, 0, 2, 0, 2}));
    EXPECT_EQ(std::tuple(arguments.PaperSize, arguments.Orientation, arguments.PrintQuality,
                         dialog.APIReturn(), dialog.ExtendedError()),
              std::tuple(8, 2, 1200, 0, 0));
    EXPECT_EQ(printer.writes, (Writes{"Copies=3", "PaperSize=8", "PrintQuality=1200"}));
    EXPECT_TRUE(platform.blocks.empty());

    platform.pageSetup.answer = [](PAGESETUPDLG&) { return 0x10000; };  // 16 bits: 0
    PageSetupArguments millimetres{.Owner = 3, .DisableMargins = true, .DisablePrinter = true};
    std::tie(millimetres.LeftMargin, millimetres.Units, millimetres.Printer) =
        std::tuple(10, 1, &printer);
    const PageSetupArguments given = millimetres;
    EXPECT_FALSE(dialog.VBPageSetupDlg(millimetres));
    EXPECT_TRUE(millimetres == given && printer.writes.size() == 3)
        << "a cancelled page setup writes nothing";
    const PAGESETUPDLG& inHundredths = platform.pageSetup.requests[1];
    EXPECT_EQ(std::tuple(inHundredths.rtMargin.left, inHundredths.hwndOwner, inHundredths.Flags),
              std::tuple(1000, 3, 0x3B));
}

}  // namespace
}  // namespace commondialog
