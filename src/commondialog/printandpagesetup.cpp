// cCommonDialog's print and page-setup dialogs, and the device-mode and device-name blocks they
// return, which the class reads and releases.
#include "commondialog/ccommondialog.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "runtime/checkedint.h"

namespace commondialog {

bool cCommonDialog::vbPrintDlg(PrintDlgArguments& arguments) {
    apiReturn_ = 0;
    extendedError_ = 0;

    std::int32_t Flags = PD_USEDEVMODECOPIESANDCOLLATE | PD_RETURNDC;
    const std::pair<bool, std::int32_t> booleans[] = {
        {arguments.DisablePageNumbers, PD_NOPAGENUMS},
        {arguments.DisableSelection, PD_NOSELECTION},
        {!arguments.ShowPrintToFile, PD_HIDEPRINTTOFILE},
        {arguments.DisablePrintToFile, PD_DISABLEPRINTTOFILE},
        {arguments.PrintToFile, PD_PRINTTOFILE},
        {arguments.Collate, PD_COLLATE},
        {arguments.PreventWarning, PD_NOWARNING},
    };
    for (const auto& [set, flag] : booleans) {
        if (set) {
            Flags |= flag;
        }
    }
    if (arguments.PrintRange == 1) {
        Flags |= PD_PAGENUMS;
    } else if (arguments.PrintRange == 2) {
        Flags |= PD_SELECTION;
    }

    PRINTDLG record;
    record.lStructSize = PRINTDLG::kSize;
    record.hwndOwner = arguments.Owner;
    record.Flags = Flags;
    // Page numbers travel as 16-bit values: -1 goes as 0xFFFF and comes back as -1.
    record.nFromPage = static_cast<std::uint16_t>(runtime::toInt16(arguments.FromPage));
    record.nToPage = static_cast<std::uint16_t>(runtime::toInt16(arguments.ToPage));
    record.nMinPage = 1;
    record.nMaxPage = 0xFFFF;

    // The result is read as a 16-bit value.
    apiReturn_ = static_cast<std::int16_t>(platform_.PrintDlg(record));
    if (apiReturn_ != kDialogAccepted) {
        if (apiReturn_ != kDialogCancelled) {
            extendedError_ = platform_.CommDlgExtendedError();
        }
        return false;
    }

    arguments.hdc = record.hDC;
    if ((record.Flags & PD_PAGENUMS) != 0) {
        arguments.PrintRange = 1;
    } else if ((record.Flags & PD_SELECTION) != 0) {
        arguments.PrintRange = 2;
    } else {
        arguments.PrintRange = 0;
    }
    arguments.FromPage = static_cast<std::int16_t>(record.nFromPage);
    arguments.ToPage = static_cast<std::int16_t>(record.nToPage);
    arguments.PrintToFile = (record.Flags & PD_PRINTTOFILE) != 0;
    releaseBlock(record.hDevNames);
    // Without a device mode there is nothing to report: the outputs that come from it keep
    // their values, and the printer object is left alone.
    if (takeDeviceMode(record.hDevMode, LastDeviceMode)) {
        arguments.Copies = devmode::readField(LastDeviceMode, devmode::dmCopies);
        arguments.Collate = devmode::readField(LastDeviceMode, devmode::dmCollate) == 1;
        if (arguments.Printer != nullptr) {
            setPrinterMembers(*arguments.Printer, LastDeviceMode, arguments.Copies);
        }
    }
    return true;
}

bool cCommonDialog::VBPageSetupDlg(PageSetupArguments& arguments) {
    apiReturn_ = 0;
    extendedError_ = 0;

    const bool inches = arguments.Units == 0;
    const std::int32_t factor = inches ? 1000 : 100;
    std::int32_t Flags = PSD_MINMARGINS | PSD_MARGINS |
                         (inches ? PSD_INTHOUSANDTHSOFINCHES : PSD_INHUNDREDTHSOFMILLIMETERS);
    const std::pair<bool, std::int32_t> booleans[] = {
        {arguments.DisableMargins, PSD_DISABLEMARGINS},
        {arguments.DisableOrientation, PSD_DISABLEORIENTATION},
        {arguments.DisablePaper, PSD_DISABLEPAPER},
        {arguments.DisablePrinter, PSD_DISABLEPRINTER},
    };
    for (const auto& [set, flag] : booleans) {
        if (set) {
            Flags |= flag;
        }
    }
    const auto toRecord = [factor](std::int32_t margin) {
        return runtime::toInt32(std::int64_t{margin} * factor);
    };
    const auto fromRecord = [factor](std::int32_t value) {
        return runtime::roundToInt32(static_cast<double>(value) / factor);
    };

    PAGESETUPDLG record;
    record.lStructSize = PAGESETUPDLG::kSize;
    record.hwndOwner = arguments.Owner;
    record.Flags = Flags;
    record.rtMargin = {toRecord(arguments.LeftMargin), toRecord(arguments.TopMargin),
                       toRecord(arguments.RightMargin), toRecord(arguments.BottomMargin)};
    record.rtMinMargin = {toRecord(arguments.MinLeftMargin), toRecord(arguments.MinTopMargin),
                          toRecord(arguments.MinRightMargin), toRecord(arguments.MinBottomMargin)};

    if (static_cast<std::int16_t>(platform_.PageSetupDlg(record)) == kDialogCancelled) {
        return false;
    }
    arguments.TopMargin = fromRecord(record.rtMargin.top);
    arguments.LeftMargin = fromRecord(record.rtMargin.left);
    arguments.BottomMargin = fromRecord(record.rtMargin.bottom);
    arguments.RightMargin = fromRecord(record.rtMargin.right);
    arguments.MinTopMargin = fromRecord(record.rtMinMargin.top);
    arguments.MinLeftMargin = fromRecord(record.rtMinMargin.left);
    arguments.MinBottomMargin = fromRecord(record.rtMinMargin.bottom);
    arguments.MinRightMargin = fromRecord(record.rtMinMargin.right);
    releaseBlock(record.hDevNames);
    devmode::KeptBytes deviceMode{};
    if (takeDeviceMode(record.hDevMode, deviceMode)) {
        arguments.PaperSize = devmode::readField(deviceMode, devmode::dmPaperSize);
        arguments.Orientation = devmode::readField(deviceMode, devmode::dmOrientation);
        arguments.PrintQuality = devmode::readField(deviceMode, devmode::dmPrintQuality);
        if (arguments.Printer != nullptr) {
            setPrinterMembers(*arguments.Printer, deviceMode,
                              devmode::readField(deviceMode, devmode::dmCopies));
        }
    }
    return true;
}

// Copies the kept part of a returned device-mode block and releases the block. False, with
// nothing copied, when there is no block or it is too short to hold the kept part.
bool cCommonDialog::takeDeviceMode(std::int32_t hDevMode, devmode::KeptBytes& into) {
    if (hDevMode == 0) {
        return false;
    }
    const std::span<const std::uint8_t> block = platform_.GlobalLock(hDevMode);
    const bool complete = block.size() >= devmode::kKeptSize;
    if (complete) {
        std::copy_n(block.begin(), devmode::kKeptSize, into.begin());
    }
    platform_.GlobalUnlock(hDevMode);
    platform_.GlobalFree(hDevMode);
    return complete;
}

// The blocks a dialog returns are the caller's to release, and nobody else holds their handles.
void cCommonDialog::releaseBlock(std::int32_t hMem) {
    if (hMem != 0) {
        platform_.GlobalFree(hMem);
    }
}

// Hands the device mode on to a printer object. A member the printer refuses is skipped, so one
// setting it cannot take does not keep it from the others.
void cCommonDialog::setPrinterMembers(PrinterObject& printer, const devmode::KeptBytes& deviceMode,
                                      std::int16_t copies) {
    const auto attempt = [](auto&& assignment) {
        try {
            assignment();
        } catch (const std::exception&) {
            // A refused setting is ignored; the next one is still made.
        }
    };
    attempt([&] { printer.setCopies(copies); });
    attempt(
        [&] { printer.setOrientation(devmode::readField(deviceMode, devmode::dmOrientation)); });
    attempt([&] { printer.setPaperSize(devmode::readField(deviceMode, devmode::dmPaperSize)); });
    attempt(
        [&] { printer.setPrintQuality(devmode::readField(deviceMode, devmode::dmPrintQuality)); });
}

}  // namespace commondialog
