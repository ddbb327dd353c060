#include <gtest/gtest.h>

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
using testsupport::FakeDialogPlatform;
using testsupport::raisedError;
using Writes = std::vector<std::string>;

struct FakeHost : HostServices {
    double twipsPerPixelY = 15;
    std::int32_t CurrentPrinterDC() override { return 0x5150; }
    double TwipsPerPixelY() override { return twipsPerPixelY; }
};

// Font and printer objects keep each member written as "Member=value", in order; the members
// named in `refusing` raise instead.
struct WriteLog {
    Writes writes;
    std::set<std::string> refusing;
    void log(const std::string& member, auto value) {
        if (refusing.contains(member)) {
            runtime::raise(ErrorNumber::InvalidProcedureCall, member);
        }
        writes.push_back(member + "=" + std::to_string(value));
    }
};

// An italic, struck-out font of weight 700.
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

struct FakePrinter : PrinterObject, WriteLog {
    void setCopies(std::int16_t value) override { log("Copies", value); }
    void setOrientation(std::int16_t value) override { log("Orientation", value); }
    void setPaperSize(std::int16_t value) override { log("PaperSize", value); }
    void setPrintQuality(std::int16_t value) override { log("PrintQuality", value); }
};

FaceNameField faceName(const std::string& name) {
    FaceNameField field{};
    std::copy(name.begin(), name.end(), field.begin());
    return field;
}

struct CommonDialog : testing::Test {
    FakeDialogPlatform platform;
    FakeHost host;
    cCommonDialog dialog{platform, host};
    FakeFont font;
    FakePrinter printer;

    OPENFILENAME sentOpen(OpenFileArguments arguments) {
        dialog.VBGetOpenFileName(arguments);
        return platform.openFileNameRequests.back();
    }
    // The open dialog with the filter "Fonts|*.bin|All|*": the user picks a file and ends with
    // filter `index` and the returned `flags`.
    OpenFileArguments acceptedOpen(std::int32_t index, std::int32_t flags, bool readOnly = false) {
        platform.openFileName = [=](OPENFILENAME& record) {
            testsupport::writeBuffer(record.lpstrFile, "/fonts/BOOTFONT.BIN");
            testsupport::writeBuffer(record.lpstrFileTitle, "BOOTFONT.BIN");
            record.nFilterIndex = index;
            record.Flags = flags;
            return kDialogAccepted;
        };
        OpenFileArguments arguments{.ReadOnly = readOnly, .Filter = "Fonts|*.bin|All|*"};
        EXPECT_TRUE(dialog.VBGetOpenFileName(arguments));
        return arguments;
    }
    PRINTDLG sentPrint(PrintDlgArguments arguments) {
        dialog.vbPrintDlg(arguments);
        return platform.print.requests.back();
    }
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
    // The user accepts printing pages 3 to 0xFFFE (to a file), with the given device mode.
    PrintDlgArguments acceptedPrint(std::int32_t hDevMode, std::int32_t flags = 0x20) {
        platform.blocks[0x77] = {1, 2, 3};  // the device names
        platform.print.answer = [=](PRINTDLG& record) {
            record = {.hDevMode = hDevMode, .hDevNames = 0x77, .hDC = 0x99, .Flags = flags};
            record.nFromPage = 3;
            record.nToPage = 0xFFFE;
            return kDialogAccepted;
        };
        PrintDlgArguments arguments{.Copies = 3, .Printer = &printer};
        EXPECT_TRUE(dialog.vbPrintDlg(arguments));
        return arguments;
    }
};

TEST_F(CommonDialog, TheViewersOpenCallSendsItsFilterAndEmptyBuffersWithoutOwner) {
    OPENFILENAME expected{.lStructSize = 76, .nFilterIndex = 1, .nMaxFile = 260};
    expected.lpstrFilter = "bootfont files\0bootfont*.*\0\0"s;
    expected.lpstrFile = expected.lpstrFileTitle = std::string(260, '\0');
    expected.nMaxFileTitle = 260;
    expected.lpstrInitialDir = "/opt/viewer/bootfont";
    expected.Flags = 0x1000;
    EXPECT_EQ(sentOpen({.Filter = "bootfont files|bootfont*.*", .InitDir = "/opt/viewer/bootfont"}),
              expected);
    EXPECT_EQ(sentOpen({.Filter = "A:B|c"}).lpstrFilter, "A\0B\0c\0\0"s) << "a colon ends a part";
}

TEST_F(CommonDialog, FileDialogFlagsCombineTheBooleansWithTheCallersFlagsLessHookAndTemplate) {
    EXPECT_EQ(sentOpen({.FileMustExist = false, .flags = 0x80060}).Flags, 0x80000);
    EXPECT_EQ(sentOpen({.MultiSelect = true, .ReadOnly = true, .HideReadOnly = true}).Flags,
              0x1205);
    SaveFileArguments save{.flags = 0x80060};
    dialog.VBGetSaveFileName(save);
    EXPECT_EQ(platform.save.requests.back().Flags, 0x80006) << "with the read-only box hidden";
}
TEST_F(CommonDialog, TooLongFileDialogArgumentsRaiseBeforeAnyDialog) {
    const std::pair<OpenFileArguments, ErrorNumber> cases[] = {
        {{.Filename = std::string(261, 'n')}, ErrorNumber::InvalidProcedureCall},
        {{.FileTitle = std::string(261, 't')}, ErrorNumber::InvalidProcedureCall},
        {{.Filter = std::string(32767, 'f')}, ErrorNumber::Overflow},
    };
    for (auto [arguments, error] : cases) {
        EXPECT_EQ(raisedError([&] { dialog.VBGetOpenFileName(arguments); }), error);
    }
    EXPECT_TRUE(platform.openFileNameRequests.empty()) << "a dialog was shown after an error";
    EXPECT_EQ(sentOpen({.Filename = std::string(260, 'n')}).lpstrFile, std::string(260, 'n'))
        << "a full buffer has no fill";
}

TEST_F(CommonDialog, AnAcceptedFileComesBackWithoutItsFillAndWithTheChosenFilterEntry) {
    platform.extendedError = 0x3003;  // stale: an accepted dialog does not fetch it
    const OpenFileArguments arguments = acceptedOpen(2, 0x81000);
    EXPECT_EQ(std::tie(arguments.Filename, arguments.FileTitle, arguments.Filter),
              std::tuple("/fonts/BOOTFONT.BIN", "BOOTFONT.BIN", "All\0*"s));
    EXPECT_EQ(std::tuple(arguments.FilterIndex, arguments.flags, arguments.ReadOnly,
                         dialog.APIReturn(), dialog.ExtendedError()),
              std::tuple(2, 0x81000, false, 1, 0));
    EXPECT_EQ(acceptedOpen(1, 0).Filter, "Fonts\0*.bin"s);
    for (const std::int32_t outside : {3, 0, -1}) {
        EXPECT_EQ(acceptedOpen(outside, 0).Filter, "") << "filter index " << outside;
    }
    EXPECT_TRUE(acceptedOpen(1, 0x1001).ReadOnly) << "the box was ticked";
    EXPECT_TRUE(acceptedOpen(1, 0x1000, true).ReadOnly) << "a cleared box never clears ReadOnly";
}

// Only a failure fetches the extended error; a cancel clears the one before.
TEST_F(CommonDialog, ACancelledOrFailedFileDialogResetsTheOutputs) {
    platform.extendedError = 0x3003;
    for (const auto& [result, error] :
         {std::pair{2, 0x3003}, std::pair{0, 0}, std::pair{-5, 0x3003}}) {
        platform.openFileName = platform.save.answer = [result](OPENFILENAME&) { return result; };
        OpenFileArguments open{.Filename = "start", .FileTitle = "start", .flags = 0x80000};
        SaveFileArguments save{.Filename = "start", .FileTitle = "start", .flags = 0x80000};
        EXPECT_FALSE(dialog.VBGetOpenFileName(open) || dialog.VBGetSaveFileName(save));
        EXPECT_EQ(
            std::tuple(open.Filename + open.FileTitle + open.Filter, open.flags, open.FilterIndex,
                       save.Filename + save.FileTitle + save.Filter, save.flags, save.FilterIndex),
            std::tuple("", 0, -1, "", 0, 0))
            << "result " << result;
        EXPECT_EQ(std::pair(dialog.APIReturn(), dialog.ExtendedError()), std::pair(result, error));
    }
}

TEST_F(CommonDialog, CustomColoursStartAsSystemColoursAndOnlyIndexes0To15Exist) {
    for (const std::int16_t outside : {16, -1}) {
        dialog.CustomColor(outside, 0x00ABCDEF);
        EXPECT_EQ(dialog.CustomColor(outside), -1) << outside;
    }
    EXPECT_EQ(dialog.CustomColor(15), 0x1F0F0F) << "system colour 15 was not loaded at a write";
}

TEST_F(CommonDialog, TheColourDialogsOutcomeSetsTheColourAndOnlyItsFailureTheError) {
    // result, the platform's extended error, Color and ExtendedError after
    for (const auto& [result, platformError, color, error] :
         {std::tuple{2, 0x5000, -1, 0x5000}, std::tuple{0, 0x6000, -1, 0x5000},
          std::tuple{1, 0x6000, 0x336699, 0x5000}}) {
        platform.extendedError = platformError;
        platform.color.answer = [&](CHOOSECOLOR& record) {
            record.rgbResult = 0x336699;
            return result;
        };
        ChooseColorArguments arguments{.Color = 0xFFFFFF};
        EXPECT_EQ(dialog.VBChooseColor(arguments), result == 1);
        EXPECT_EQ(std::tuple(arguments.Color, dialog.APIReturn(), dialog.ExtendedError()),
                  std::tuple(color, result, error));
    }
}
TEST_F(CommonDialog, PrinterFontsComeFromTheGivenOrTheCurrentPrinterElseScreenFonts) {
    const std::tuple<ChooseFontArguments, std::int32_t, std::int32_t> cases[] = {
        // arguments, PrinterDC and flags sent
        {{}, 0, 0x41},
        {{.flags = 0x2}, 0x5150, 0x42},
        {{.PrinterDC = 0x77, .MinSize = 8}, 0x77, 0x2042},
        {{.Color = 0xFF, .MaxSize = 72}, 0, 0x2141},
        {{.flags = 0x20218}, 0, 0x20041},  // less hook, template and apply
    };
    for (auto [arguments, printerDC, flags] : cases) {
        dialog.VBChooseFont(font, arguments);
        const CHOOSEFONT& request = platform.font.requests.back();
        EXPECT_EQ(std::tuple(request.hDC, request.Flags, arguments.PrinterDC, arguments.flags),
                  std::tuple(printerDC, flags, printerDC, flags));
    }
}

TEST_F(CommonDialog, TheFontIsSentInPixelsAndTenthsOfAPointAndItsNameCutAtACharacter) {
    // points, twips per pixel, lfHeight, iPointSize; halves go to the even neighbour
    for (const auto& [points, twips, height, tenths] :
         {std::tuple{12.0, 15.0, -16, 120}, std::tuple{10.875, 15.0, -14, 109},
          std::tuple{10.25, 12.0, -17, 102}}) {
        font.size = points;
        host.twipsPerPixelY = twips;
        ChooseFontArguments arguments;
        dialog.VBChooseFont(font, arguments);
        const LOGFONT& sent = platform.logFontsSent.back();
        EXPECT_EQ(std::pair(sent.lfHeight, platform.font.requests.back().iPointSize),
                  std::pair(height, tenths))
            << points << " points at " << twips << " twips per pixel";
    }
    const std::string song = "宋宋宋宋宋宋宋宋宋宋宋";  // 33 bytes
    for (const auto& [name, kept] : {std::pair{std::string(40, 'b'), std::string(31, 'b')},
                                     std::pair{song, song.substr(0, 30)}}) {
        font.name = name;
        ChooseFontArguments arguments;
        dialog.VBChooseFont(font, arguments);
        EXPECT_EQ(platform.logFontsSent.back().lfFaceName, faceName(kept)) << name;
    }
}

TEST_F(CommonDialog, AnAcceptedFontDialogWritesTheFontMembersInOrder) {
    platform.font.answer = [](CHOOSEFONT& record) {
        record.Flags |= 0x100;
        record.rgbColors = 0x00ABCDEF;
        record.nFontType = 0x2100;  // bold, screen font
        record.iPointSize = 105;
        *record.lpLogFont = {.lfWeight = 600, .lfItalic = 1, .lfUnderline = 0xFF};
        record.lpLogFont->lfFaceName = faceName("Arial\0Black"s);
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

TEST_F(CommonDialog, ThePrintRangeAddsItsFlagAndPagesTravelAs16BitValues) {
    PRINTDLG defaults{.lStructSize = 66, .Flags = 0x1C0100};
    defaults.nFromPage = defaults.nMinPage = 1;
    defaults.nToPage = defaults.nMaxPage = 0xFFFF;
    EXPECT_EQ(sentPrint({}), defaults);
    const PRINTDLG request = sentPrint({.FromPage = -5, .Owner = -1});  // -1 is an owner here
    EXPECT_EQ(std::tuple(request.nFromPage, request.hwndOwner), std::tuple(0xFFFB, -1));
    for (const auto& [range, flags] :
         {std::pair{1, 0x1C0102}, std::pair{2, 0x1C0101}, std::pair{3, 0x1C0100}}) {
        EXPECT_EQ(sentPrint({.PrintRange = range}).Flags, flags) << "range " << range;
    }
    PrintDlgArguments outside{.FromPage = 40000};
    EXPECT_EQ(raisedError([&] { dialog.vbPrintDlg(outside); }), ErrorNumber::Overflow);
    EXPECT_EQ(platform.print.requests.size(), 5u) << "a dialog was shown after an error";
}
TEST_F(CommonDialog, AnAcceptedPrintDialogWritesTheOutputsAndHandsTheDeviceModeOn) {
    printer.refusing = {"Orientation"};  // the printer still receives the members after it
    const PrintDlgArguments arguments = acceptedPrint(deviceMode({4, 2, 9, 600, 1}));
    EXPECT_EQ(std::tuple(arguments.hdc, arguments.PrintRange, arguments.FromPage, arguments.ToPage,
                         arguments.PrintToFile, arguments.Copies, arguments.Collate),
              std::tuple(0x99, 0, 3, -2, true, std::int16_t{4}, true));
    EXPECT_EQ(printer.writes, (Writes{"Copies=4", "PaperSize=9", "PrintQuality=600"}));
    EXPECT_TRUE(platform.blocks.empty()) << "the device mode and names are released once read";

    EXPECT_EQ(std::pair(acceptedPrint(0, 0x3).PrintRange, acceptedPrint(0, 0x1).PrintRange),
              std::pair(1, 2))
        << "a page range, or the selection";
}

TEST_F(CommonDialog, WithoutAWholeDeviceModeThePrintDialogCopiesAndHandsOnNothing) {
    for (const std::int32_t hDevMode : {0, deviceMode({9, 2, 9, 600, 1}, 121)}) {
        const PrintDlgArguments arguments = acceptedPrint(hDevMode);
        EXPECT_EQ(std::tuple(arguments.Copies, arguments.Collate, arguments.hdc),
                  std::tuple(std::int16_t{3}, false, 0x99));
    }
    EXPECT_TRUE(printer.writes.empty());
    EXPECT_TRUE(platform.blocks.empty()) << "a short block is released too";
}

TEST_F(CommonDialog, PageSetupSendsMarginsInThousandthsOfAnInchOrHundredthsOfAMillimetre) {
    PageSetupArguments inches{.MinLeftMargin = 5};
    std::tie(inches.LeftMargin, inches.TopMargin, inches.RightMargin, inches.BottomMargin) =
        std::tuple(1, 2, 3, 4);
    PageSetupArguments millimetres{.Owner = 3, .DisableMargins = true, .DisablePrinter = true};
    millimetres.LeftMargin = 10;
    millimetres.Units = 1;
    PageSetupArguments tooLarge{.LeftMargin = 2147484};  // 2,147,484,000 thousandths
    dialog.VBPageSetupDlg(inches);
    dialog.VBPageSetupDlg(millimetres);
    EXPECT_EQ(raisedError([&] { dialog.VBPageSetupDlg(tooLarge); }), ErrorNumber::Overflow);
    ASSERT_EQ(platform.pageSetup.requests.size(), 2u) << "a page setup after an error";
    const PAGESETUPDLG& sentInches = platform.pageSetup.requests[0];
    EXPECT_EQ(std::tuple(sentInches.lStructSize, sentInches.hwndOwner, sentInches.Flags,
                         sentInches.rtMargin, sentInches.rtMinMargin.left),
              std::tuple(84, 0, 0x7, RECT{1000, 2000, 3000, 4000}, 5000));
    const PAGESETUPDLG& sentMillimetres = platform.pageSetup.requests[1];
    EXPECT_EQ(
        std::tuple(sentMillimetres.rtMargin.left, sentMillimetres.hwndOwner, sentMillimetres.Flags),
        std::tuple(1000, 3, 0x3B));
}

// The page setup counts any non-zero result as acceptance and never records a result.
TEST_F(CommonDialog, AnAcceptedPageSetupRoundsTheMarginsHalfToEvenAndReadsTheDeviceMode) {
    platform.pageSetup.answer = [this](PAGESETUPDLG& record) {
        record.rtMargin = {1500, 2500, 3500, 499};
        record.rtMinMargin = {500, 1501, 0, 2499};
        record.hDevMode = deviceMode({3, 2, 8, 1200, 0});
        return 0x10002;  // read as 16 bits: 2
    };
    platform.extendedError = 0x1006;
    PageSetupArguments arguments{.Printer = &printer};
    EXPECT_TRUE(dialog.VBPageSetupDlg(arguments));
    EXPECT_EQ((std::array{arguments.LeftMargin, arguments.TopMargin, arguments.RightMargin,
                          arguments.BottomMargin, arguments.MinLeftMargin, arguments.MinTopMargin,
                          arguments.MinRightMargin, arguments.MinBottomMargin}),
              (std::array{2, 2, 4, 0, 0, 2, 0, 2}));
    EXPECT_EQ(std::tuple(arguments.PaperSize, arguments.Orientation, arguments.PrintQuality,
                         dialog.APIReturn(), dialog.ExtendedError()),
              std::tuple(8, 2, 1200, 0, 0));
    EXPECT_EQ(printer.writes,
              (Writes{"Copies=3", "Orientation=2", "PaperSize=8", "PrintQuality=1200"}));
    EXPECT_TRUE(platform.blocks.empty());

    platform.pageSetup.answer = [](PAGESETUPDLG&) { return 0x10000; };  // 16 bits: 0
    const PageSetupArguments given = arguments;
    EXPECT_FALSE(dialog.VBPageSetupDlg(arguments));
    EXPECT_EQ(arguments, given) << "a cancelled page setup writes nothing";
    EXPECT_EQ(printer.writes.size(), 4u);
}

}  // namespace
}  // namespace commondialog
