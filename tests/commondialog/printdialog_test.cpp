#include <gtest/gtest.h>

#include "commondialog/ccommondialog.h"
#include "commondialog/fakedialogplatform.h"
#include "commondialog/fakehost.h"
#include "support/raisederror.h"

namespace commondialog {
namespace {

using runtime::ErrorNumber;
using testsupport::FakeDialogPlatform;
using testsupport::FakePrinterObject;
using testsupport::raisedError;
using Writes = std::vector<std::string>;

struct PrintDialog : testing::Test {
    FakeDialogPlatform platform;
    cCommonDialog dialog{platform};
    FakePrinterObject printer;

    std::int32_t sentFlags(PrintDlgArguments arguments) {
        platform.printDlgRequests.clear();
        dialog.vbPrintDlg(arguments);
        EXPECT_EQ(platform.printDlgRequests.size(), 1u);
        return platform.printDlgRequests.back().Flags;
    }
    // A platform whose user accepts with the given device mode (0: no block) and names block.
    void acceptWith(std::int32_t hDevMode, std::int32_t hDevNames = 0) {
        platform.printDlg = [=](PRINTDLG& record) {
            record.hDC = 0x99;
            record.Flags |= PD_PRINTTOFILE;
            record.nFromPage = 3;
            record.nToPage = 0xFFFE;
            record.hDevMode = hDevMode;
            record.hDevNames = hDevNames;
            return kDialogAccepted;
        };
    }
};

TEST_F(PrintDialog, DefaultsSendAllPagesToTheChosenPrinter) {
    PrintDlgArguments arguments;
    dialog.vbPrintDlg(arguments);
    PRINTDLG expected;
    expected.lStructSize = 66;
    expected.Flags = 0x1C0100;
    expected.nFromPage = 1;
    expected.nToPage = 0xFFFF;
    expected.nMinPage = 1;
    expected.nMaxPage = 0xFFFF;
    ASSERT_EQ(platform.printDlgRequests.size(), 1u);
    EXPECT_EQ(platform.printDlgRequests.back(), expected);
}

TEST_F(PrintDialog, BooleansAndTheRangeAddTheirFlags) {
    PrintDlgArguments arguments;
    arguments.DisablePageNumbers = arguments.DisableSelection = true;
    arguments.ShowPrintToFile = true;
    arguments.DisablePrintToFile = false;
    arguments.PrintToFile = arguments.Collate = arguments.PreventWarning = true;
    arguments.flags = 0x7FFF;  // not used
    EXPECT_EQ(sentFlags(arguments), 0x40100 | 0x8 | 0x4 | 0x20 | 0x10 | 0x80);

    PrintDlgArguments range;
    range.PrintRange = 1;
    EXPECT_EQ(sentFlags(range), 0x1C0100 | PD_PAGENUMS);
    range.PrintRange = 2;
    EXPECT_EQ(sentFlags(range), 0x1C0100 | PD_SELECTION);
    range.PrintRange = 3;
    EXPECT_EQ(sentFlags(range), 0x1C0100);

    PrintDlgArguments owned;
    owned.Owner = -1;  // passed on as it is
    owned.FromPage = -5;
    dialog.vbPrintDlg(owned);
    EXPECT_EQ(platform.printDlgRequests.back().hwndOwner, -1);
    EXPECT_EQ(platform.printDlgRequests.back().nFromPage, 0xFFFB);
}

TEST_F(PrintDialog, PageNumbersOutside16BitsRaiseBeforeTheDialog) {
    for (const auto& [from, to] : {std::pair{40000, -1}, std::pair{1, -32769}}) {
        PrintDlgArguments arguments;
        arguments.FromPage = from;
        arguments.ToPage = to;
        EXPECT_EQ(raisedError([&] { dialog.vbPrintDlg(arguments); }), ErrorNumber::Overflow);
    }
    EXPECT_TRUE(platform.printDlgRequests.empty());
}

TEST_F(PrintDialog, AcceptWritesTheOutputsAndHandsTheDeviceModeToThePrinter) {
    const std::int32_t deviceMode = platform.addDeviceMode(4, 2, 9, 600, 1);
    platform.blocks[0x77] = {1, 2, 3};
    acceptWith(deviceMode, 0x77);
    PrintDlgArguments arguments;
    arguments.Printer = &printer;
    EXPECT_TRUE(dialog.vbPrintDlg(arguments));
    EXPECT_EQ(arguments.hdc, 0x99);
    EXPECT_EQ(arguments.PrintRange, 0);
    EXPECT_EQ(arguments.FromPage, 3);
    EXPECT_EQ(arguments.ToPage, -2);
    EXPECT_TRUE(arguments.PrintToFile);
    EXPECT_EQ(arguments.Copies, 4);
    EXPECT_TRUE(arguments.Collate);
    EXPECT_EQ(printer.writes,
              (Writes{"Copies=4", "Orientation=2", "PaperSize=9", "PrintQuality=600"}));
    // Both returned blocks are released once read.
    EXPECT_TRUE(platform.blocks.empty());
    EXPECT_EQ(dialog.APIReturn(), 1);

    const std::int32_t second = platform.addDeviceMode(1, 1, 1, -4, 0);
    platform.printDlg = [=](PRINTDLG& record) {
        record.Flags = PD_SELECTION;
        record.hDevMode = second;
        return kDialogAccepted;
    };
    arguments.Printer = nullptr;
    EXPECT_TRUE(dialog.vbPrintDlg(arguments));
    EXPECT_EQ(arguments.PrintRange, 2);
    EXPECT_FALSE(arguments.PrintToFile);
    EXPECT_FALSE(arguments.Collate);
    EXPECT_EQ(printer.writes.size(), 4u);
}

TEST_F(PrintDialog, APrinterThatRefusesAMemberStillReceivesTheOthers) {
    acceptWith(platform.addDeviceMode(2, 1, 9, 300, 0));
    printer.refusing = {"PrintQuality", "Orientation"};
    PrintDlgArguments arguments;
    arguments.Printer = &printer;
    EXPECT_TRUE(dialog.vbPrintDlg(arguments));
    EXPECT_EQ(printer.writes, (Writes{"Copies=2", "PaperSize=9"}));
}

TEST_F(PrintDialog, WithoutAWholeDeviceModeNothingIsCopiedOrHandedOn) {
    PrintDlgArguments arguments;
    arguments.Copies = 3;
    arguments.Collate = true;
    arguments.Printer = &printer;
    acceptWith(0);
    EXPECT_TRUE(dialog.vbPrintDlg(arguments));
    EXPECT_EQ(arguments.hdc, 0x99);
    EXPECT_EQ(arguments.Copies, 3);
    EXPECT_TRUE(arguments.Collate);
    EXPECT_TRUE(printer.writes.empty());
    EXPECT_TRUE(platform.blockCalls.empty());

    const std::int32_t shortBlock = platform.addDeviceMode(9, 2, 9, 600, 0, 100);
    acceptWith(shortBlock);
    EXPECT_TRUE(dialog.vbPrintDlg(arguments));
    EXPECT_EQ(arguments.Copies, 3);
    EXPECT_TRUE(printer.writes.empty());
    EXPECT_FALSE(platform.blocks.contains(shortBlock));
}

TEST_F(PrintDialog, CancelAndFailureWriteNothing) {
    platform.extendedError = PDERR_NODEFAULTPRN;
    const auto untouched = [] {
        PrintDlgArguments arguments;
        arguments.hdc = 5;
        arguments.FromPage = 2;
        return arguments;
    };
    for (const std::int32_t result : {0, 2}) {
        platform.printDlg = [result](PRINTDLG& record) {
            record.hDC = 0x99;
            record.nFromPage = 7;
            return result;
        };
        PrintDlgArguments arguments = untouched();
        EXPECT_FALSE(dialog.vbPrintDlg(arguments));
        EXPECT_EQ(arguments.hdc, 5);
        EXPECT_EQ(arguments.FromPage, 2);
        EXPECT_EQ(dialog.APIReturn(), result);
        EXPECT_EQ(dialog.ExtendedError(), result == 0 ? 0 : PDERR_NODEFAULTPRN);
    }
}

struct PageSetupDialog : testing::Test {
    FakeDialogPlatform platform;
    cCommonDialog dialog{platform};
    FakePrinterObject printer;

    const PAGESETUPDLG& sent(PageSetupArguments arguments) {
        platform.pageSetupDlgRequests.clear();
        dialog.VBPageSetupDlg(arguments);
        EXPECT_EQ(platform.pageSetupDlgRequests.size(), 1u);
        return platform.pageSetupDlgRequests.back();
    }
};

TEST_F(PageSetupDialog, MarginsAreSentInThousandthsOfAnInchOrHundredthsOfAMillimetre) {
    PageSetupArguments inches;
    inches.LeftMargin = 1;
    inches.TopMargin = 2;
    inches.RightMargin = 3;
    inches.BottomMargin = 4;
    inches.MinLeftMargin = 5;
    inches.MinTopMargin = 6;
    inches.MinRightMargin = 7;
    inches.MinBottomMargin = 8;
    PAGESETUPDLG request = sent(inches);
    EXPECT_EQ(request.lStructSize, 84);
    EXPECT_EQ(request.Flags, PSD_MINMARGINS | PSD_MARGINS | PSD_INTHOUSANDTHSOFINCHES);
    EXPECT_EQ(request.rtMargin, (RECT{1000, 2000, 3000, 4000}));
    EXPECT_EQ(request.rtMinMargin, (RECT{5000, 6000, 7000, 8000}));
    EXPECT_EQ(request.hDevMode, 0);

    PageSetupArguments millimetres;
    millimetres.Units = 1;
    millimetres.LeftMargin = 10;
    millimetres.Owner = 3;
    millimetres.DisableMargins = millimetres.DisableOrientation = true;
    millimetres.DisablePaper = millimetres.DisablePrinter = true;
    request = sent(millimetres);
    EXPECT_EQ(request.rtMargin.left, 1000);
    EXPECT_EQ(request.hwndOwner, 3);
    EXPECT_EQ(request.Flags, 0x1 | 0x2 | 0x8 | 0x10 | 0x100 | 0x200 | 0x20);
}

TEST_F(PageSetupDialog, AMarginTooLargeFor32BitsRaisesBeforeTheDialog) {
    PageSetupArguments inches;
    inches.LeftMargin = 2147484;  // 2,147,484,000 thousandths
    EXPECT_EQ(raisedError([&] { dialog.VBPageSetupDlg(inches); }), ErrorNumber::Overflow);
    PageSetupArguments millimetres;
    millimetres.Units = 1;
    millimetres.MinBottomMargin = -21474837;
    EXPECT_EQ(raisedError([&] { dialog.VBPageSetupDlg(millimetres); }), ErrorNumber::Overflow);
    EXPECT_TRUE(platform.pageSetupDlgRequests.empty());
    millimetres.MinBottomMargin = -21474836;
    EXPECT_EQ(sent(millimetres).rtMinMargin.bottom, -2147483600);
}

TEST_F(PageSetupDialog, AcceptRoundsTheMarginsHalfToEvenAndReadsTheDeviceMode) {
    const std::int32_t deviceMode = platform.addDeviceMode(3, 2, 8, 1200, 0);
    platform.pageSetupDlg = [=](PAGESETUPDLG& record) {
        record.rtMargin = {1500, 2500, 3500, 499};
        record.rtMinMargin = {500, 1501, 0, 2499};
        record.hDevMode = deviceMode;
        return kDialogFailed;  // any non-zero result counts as accepted
    };
    platform.extendedError = 0x1006;
    PageSetupArguments arguments;
    arguments.Printer = &printer;
    EXPECT_TRUE(dialog.VBPageSetupDlg(arguments));
    EXPECT_EQ(arguments.LeftMargin, 2);
    EXPECT_EQ(arguments.TopMargin, 2);
    EXPECT_EQ(arguments.RightMargin, 4);
    EXPECT_EQ(arguments.BottomMargin, 0);
    EXPECT_EQ(arguments.MinLeftMargin, 0);
    EXPECT_EQ(arguments.MinTopMargin, 2);
    EXPECT_EQ(arguments.MinRightMargin, 0);
    EXPECT_EQ(arguments.MinBottomMargin, 2);
    EXPECT_EQ(arguments.PaperSize, 8);
    EXPECT_EQ(arguments.Orientation, 2);
    EXPECT_EQ(arguments.PrintQuality, 1200);
    EXPECT_EQ(printer.writes,
              (Writes{"Copies=3", "Orientation=2", "PaperSize=8", "PrintQuality=1200"}));
    EXPECT_TRUE(platform.blocks.empty());
    // The page setup never records its result or fetches an extended error.
    EXPECT_EQ(dialog.APIReturn(), 0);
    EXPECT_EQ(dialog.ExtendedError(), 0);
    EXPECT_EQ(platform.extendedErrorQueries, 0);
}

TEST_F(PageSetupDialog, WithoutADeviceModeOnlyTheMarginsComeBack) {
    platform.pageSetupDlg = [](PAGESETUPDLG& record) {
        record.rtMargin.left = 2000;
        return kDialogAccepted;
    };
    PageSetupArguments arguments;
    arguments.Printer = &printer;
    EXPECT_TRUE(dialog.VBPageSetupDlg(arguments));
    EXPECT_EQ(arguments.LeftMargin, 2);
    EXPECT_EQ(arguments.PaperSize, 1);
    EXPECT_EQ(arguments.Orientation, 1);
    EXPECT_EQ(arguments.PrintQuality, -1);
    EXPECT_TRUE(printer.writes.empty());
}

TEST_F(PageSetupDialog, CancelLeavesEveryArgument) {
    platform.pageSetupDlg = [](PAGESETUPDLG& record) {
        record.rtMargin = {9000, 9000, 9000, 9000};
        return kDialogCancelled;
    };
    PageSetupArguments arguments;
    arguments.LeftMargin = 1;
    arguments.Units = 1;
    arguments.Printer = &printer;
    const PageSetupArguments given = arguments;
    EXPECT_FALSE(dialog.VBPageSetupDlg(arguments));
    EXPECT_EQ(arguments, given);
    EXPECT_EQ(dialog.APIReturn(), 0);
    EXPECT_TRUE(printer.writes.empty());
}

}  // namespace
}  // namespace commondialog
