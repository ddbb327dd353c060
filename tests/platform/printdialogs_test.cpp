#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QSpinBox>

#include "commondialog/ccommondialog.h"
#include "platform/dialogdriver.h"
#include "platform/qtdialogplatform.h"
#include "platform/qtprinterobject.h"
#include "runtime/runtimeerror.h"
#include "support/tempdir.h"

namespace platform {
namespace {

using namespace commondialog;

// The paper a page setup starts with: the default printer's (A4 for the PDF printer).
QPageSize defaultPaper() {
    return QPrinter(QPrinter::HighResolution).pageLayout().pageSize();
}

bool printersInstalled() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

struct QtPrintDialogs : testing::Test {
    QtDialogPlatform platform;
    cCommonDialog dialog{platform};
    testsupport::DialogDriver user;
    testsupport::TempDir folder;
};

TEST_F(QtPrintDialogs, WithoutPrintersOrAFileToPrintToThereIsNothingToChoose) {
    if (printersInstalled()) {
        GTEST_SKIP() << "a printer is installed";
    }
    PrintDlgArguments arguments;
    EXPECT_FALSE(dialog.vbPrintDlg(arguments));
    EXPECT_EQ(dialog.APIReturn(), kDialogFailed);
    EXPECT_EQ(dialog.ExtendedError(), PDERR_NODEFAULTPRN);
}

TEST_F(QtPrintDialogs, PrintingToAFileReturnsThePrinterAndItsDeviceMode) {
    const QString file = QString::fromStdString((folder / "out.pdf").string());
    QPrinter target;
    QtPrinterObject printerObject(target);
    PrintDlgArguments arguments;
    arguments.ShowPrintToFile = true;
    arguments.DisablePrintToFile = false;
    arguments.PrintToFile = true;
    arguments.Collate = true;
    arguments.PrintRange = 1;
    arguments.FromPage = 2;
    arguments.ToPage = 5;
    arguments.Printer = &printerObject;

    user.whenShown<QPrintDialog>([&](QPrintDialog& shown) {
        EXPECT_TRUE(shown.testOption(QAbstractPrintDialog::PrintToFile));
        EXPECT_EQ(shown.printRange(), QAbstractPrintDialog::PageRange);
        EXPECT_EQ(shown.fromPage(), 2);
        EXPECT_EQ(shown.toPage(), 5);
        shown.findChild<QLineEdit*>(QStringLiteral("filename"))->setText(file);
        shown.findChild<QSpinBox*>(QStringLiteral("copies"))->setValue(3);
        shown.accept();
    });
    ASSERT_TRUE(dialog.vbPrintDlg(arguments));
    const QPrinter* chosen = platform.printerOf(arguments.hdc);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->outputFileName(), file);
    EXPECT_TRUE(arguments.PrintToFile);
    EXPECT_EQ(arguments.PrintRange, 1);
    EXPECT_EQ(arguments.FromPage, 2);
    EXPECT_EQ(arguments.ToPage, 5);
    EXPECT_EQ(arguments.Copies, 3);
    EXPECT_TRUE(arguments.Collate);
    // The printer object received the device mode's settings.
    EXPECT_EQ(target.copyCount(), 3);
    EXPECT_EQ(target.pageLayout().pageSize().windowsId(),
              chosen->pageLayout().pageSize().windowsId());
    EXPECT_EQ(target.resolution(), chosen->resolution());
}

TEST_F(QtPrintDialogs, CancelledPrintingWritesNothing) {
    PRINTDLG record;
    record.lStructSize = PRINTDLG::kSize;
    record.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE;  // print to file offered
    record.nMinPage = 1;
    record.nMaxPage = 9;
    const PRINTDLG sent = record;
    user.whenShown<QPrintDialog>([](QPrintDialog& shown) { shown.reject(); });
    EXPECT_EQ(platform.PrintDlg(record), kDialogCancelled);
    EXPECT_EQ(record, sent);
}

TEST_F(QtPrintDialogs, PageSetupReturnsMarginsInTheCallersUnitsAndTheDeviceMode) {
    PageSetupArguments arguments;
    arguments.LeftMargin = arguments.TopMargin = arguments.RightMargin = 1;
    arguments.BottomMargin = 2;
    user.whenShown<QPageSetupDialog>([](QPageSetupDialog& shown) {
        // Without an owner the dialog blocks no window the user sees.
        EXPECT_EQ(shown.windowModality(), Qt::WindowModal);
        EXPECT_FALSE(shown.parentWidget()->isVisible());
        shown.findChild<QRadioButton*>(QStringLiteral("landscape"))->click();
        shown.accept();
    });
    ASSERT_TRUE(dialog.VBPageSetupDlg(arguments));
    EXPECT_EQ(arguments.LeftMargin, 1);
    EXPECT_EQ(arguments.TopMargin, 1);
    EXPECT_EQ(arguments.BottomMargin, 2);
    EXPECT_EQ(arguments.Orientation, 2);
    EXPECT_EQ(arguments.PaperSize, defaultPaper().windowsId());
    EXPECT_GT(arguments.PrintQuality, 0);

    PageSetupArguments millimetres;
    millimetres.Units = 1;
    millimetres.LeftMargin = 10;
    millimetres.MinTopMargin = 15;  // above the top margin of 0: the minimum wins
    user.whenShown<QPageSetupDialog>([](QPageSetupDialog& shown) { shown.accept(); });
    ASSERT_TRUE(dialog.VBPageSetupDlg(millimetres));
    EXPECT_EQ(millimetres.LeftMargin, 10);
    EXPECT_EQ(millimetres.TopMargin, 15);
    EXPECT_EQ(millimetres.MinTopMargin, 15);
}

TEST_F(QtPrintDialogs, PageSetupKeepsWhatTheCallerDisabled) {
    PAGESETUPDLG record;
    record.lStructSize = PAGESETUPDLG::kSize;
    record.Flags = PSD_MARGINS | PSD_INTHOUSANDTHSOFINCHES | PSD_DISABLEORIENTATION;
    record.rtMargin = {500, 500, 500, 500};
    user.whenShown<QPageSetupDialog>([](QPageSetupDialog& shown) {
        auto* landscape = shown.findChild<QRadioButton*>(QStringLiteral("landscape"));
        EXPECT_FALSE(landscape->isEnabled());
        landscape->setChecked(true);
        shown.accept();
    });
    ASSERT_EQ(platform.PageSetupDlg(record), kDialogAccepted);
    EXPECT_EQ(record.rtMargin, (RECT{500, 500, 500, 500}));
    // The paper upright, in thousandths of an inch.
    const QSizeF paper = defaultPaper().size(QPageSize::Inch) * 1000;
    EXPECT_EQ(record.ptPaperSize, (POINT{static_cast<std::int32_t>(std::lround(paper.width())),
                                         static_cast<std::int32_t>(std::lround(paper.height()))}));
    const auto block = platform.GlobalLock(record.hDevMode);
    ASSERT_EQ(block.size(), devmode::kBlockSize);
    EXPECT_EQ(devmode::readField(block.first<devmode::kKeptSize>(), devmode::dmOrientation), 1);
    platform.GlobalFree(record.hDevMode);
    EXPECT_TRUE(platform.GlobalLock(record.hDevMode).empty());

    record.Flags = PSD_INTHOUSANDTHSOFINCHES;
    const PAGESETUPDLG sent = record;
    user.whenShown<QPageSetupDialog>([](QPageSetupDialog& shown) { shown.reject(); });
    EXPECT_EQ(platform.PageSetupDlg(record), kDialogCancelled);
    EXPECT_EQ(record, sent);
}

TEST(QtPrinterObject, RefusesSettingsAPrinterCannotTake) {
    QPrinter printer;
    QtPrinterObject object(printer);
    object.setOrientation(2);
    object.setPaperSize(8);  // A3
    object.setCopies(2);
    object.setPrintQuality(300);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A3);
    EXPECT_EQ(printer.copyCount(), 2);
    EXPECT_EQ(printer.resolution(), 300);
    EXPECT_THROW(object.setOrientation(3), runtime::RuntimeError);
    EXPECT_THROW(object.setPaperSize(9999), runtime::RuntimeError);
    EXPECT_THROW(object.setCopies(0), runtime::RuntimeError);
    EXPECT_THROW(object.setPrintQuality(-4), runtime::RuntimeError);
}

}  // namespace
}  // namespace platform
