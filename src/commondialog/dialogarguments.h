#pragma once

#include <cstdint>
#include <string>

#include "commondialog/dialogconstants.h"
#include "commondialog/printerobject.h"

// The in/out arguments of cCommonDialog's dialog methods, one struct per method (the two file
// dialogs share one) with its members in the method's argument order and at their defaults. A
// caller sets the members it needs, passes the struct by reference and reads the outputs from it
// afterwards. An empty optional text (one without a default) reaches the platform as an absent
// text.
namespace commondialog {

// The open and save dialogs take the same arguments, except the four that shape the open dialog's
// read-only box and file checks and the one that asks the save dialog for its overwrite prompt;
// each dialog ignores the other's.
struct FileDialogArguments {
    // In: the name the dialog starts with. Out: the chosen path, or empty.
    std::string Filename;
    // Out: the chosen file's title, or empty.
    std::string FileTitle;
    // The open dialog's.
    bool FileMustExist = true;
    bool MultiSelect = false;
    // Out: set to true (never to false) when the returned flags carry OFN_READONLY.
    bool ReadOnly = false;
    bool HideReadOnly = false;
    // The save dialog's.
    bool OverWritePrompt = true;
    // In: description and pattern pairs, each part ended by "|" or ":". Out: the selected entry as
    // description, NUL, pattern; or empty.
    std::string Filter = "All (*.*)| *.*";
    // In: the entry to preselect, from 1. Out: the entry the user ended with, or -1 (open) or 0
    // (save).
    std::int32_t FilterIndex = 1;
    std::string InitDir;
    std::string DlgTitle;
    std::string DefaultExt;
    std::int32_t Owner = kNoOwner;
    // In: further OFN_ flags (the hook and template bits are dropped). Out: the returned flags, or
    // 0.
    std::int32_t flags = 0;
};
using OpenFileArguments = FileDialogArguments;
using SaveFileArguments = FileDialogArguments;

struct ChooseColorArguments {
    // In: the colour the dialog starts with (0x00BBGGRR). Out: the chosen colour, or -1.
    std::int32_t Color = 0;
    // True lets the user pick any colour, false solid colours only.
    bool AnyColor = true;
    bool FullOpen = false;
    bool DisableFullOpen = false;
    std::int32_t Owner = kNoOwner;
    // Accepted and not used.
    std::int32_t flags = 0;
};

// The font dialog's arguments after the font object itself.
struct ChooseFontArguments {
    // A printer device context whose fonts to list; -1 for none. Rewritten before the dialog.
    std::int32_t PrinterDC = -1;
    std::int32_t Owner = kNoOwner;
    // In: the text colour. Out: the chosen one.
    std::int32_t Color = 0;
    // Size limits in points; 0 is no limit.
    std::int32_t MinSize = 0;
    std::int32_t MaxSize = 0;
    // CF_ flags. Rewritten before the dialog and, when it is accepted, to the returned flags.
    std::int32_t flags = 0;
};

struct PrintDlgArguments {
    // Out: the chosen printer's device context.
    std::int32_t hdc = 0;
    // In and out: 0 all pages, 1 a page range, 2 the selection.
    std::int32_t PrintRange = 0;
    bool DisablePageNumbers = false;
    // In and out: the page range, which travels as signed 16-bit values.
    std::int32_t FromPage = 1;
    std::int32_t ToPage = -1;
    bool DisableSelection = false;
    // Out: the number of copies.
    std::int16_t Copies = 0;
    bool ShowPrintToFile = false;
    bool DisablePrintToFile = true;
    // In and out: whether to print to a file.
    bool PrintToFile = false;
    // In and out: whether copies are collated.
    bool Collate = false;
    bool PreventWarning = false;
    // Passed to the platform as it is: here -1 is not "no owner".
    std::int32_t Owner = 0;
    // Receives the chosen copies, orientation, paper size and print quality; may be null.
    PrinterObject* Printer = nullptr;
    // Accepted and not used.
    std::int32_t flags = 0;
};

struct PageSetupArguments {
    // Passed to the platform as it is.
    std::int32_t Owner = 0;
    bool DisableMargins = false;
    bool DisableOrientation = false;
    bool DisablePaper = false;
    bool DisablePrinter = false;
    // In and out, in whole Units.
    std::int32_t LeftMargin = 0;
    std::int32_t MinLeftMargin = 0;
    std::int32_t RightMargin = 0;
    std::int32_t MinRightMargin = 0;
    std::int32_t TopMargin = 0;
    std::int32_t MinTopMargin = 0;
    std::int32_t BottomMargin = 0;
    std::int32_t MinBottomMargin = 0;
    // Out: the device mode's paper size (DMPAPER_ code), orientation and print quality.
    std::int32_t PaperSize = 1;
    std::int32_t Orientation = 1;
    std::int32_t PrintQuality = -1;
    // 0 inches, anything else millimetres.
    std::int32_t Units = 0;
    // Receives the chosen copies, orientation, paper size and print quality; may be null.
    PrinterObject* Printer = nullptr;
    // Accepted and not used.
    std::int32_t flags = 0;

    friend bool operator==(const PageSetupArguments&, const PageSetupArguments&) = default;
};

}  // namespace commondialog
