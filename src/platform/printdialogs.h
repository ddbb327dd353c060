#pragma once

#include "commondialog/dialogrecords.h"
#include "platform/dialogoutcome.h"

class QPrinter;

namespace platform {

// The print dialog on QPrintDialog, set up from a PRINTDLG record and choosing into `printer`.
// PD_NOPAGENUMS and PD_NOSELECTION remove those choices; PD_PAGENUMS, PD_SELECTION, PD_COLLATE and
// nCopies preselect; nMinPage..nMaxPage bound the page range. Qt cannot show a print-to-file box
// that is there but disabled, so printing to a file is offered only when neither
// PD_HIDEPRINTTOFILE nor PD_DISABLEPRINTTOFILE is set, and PD_PRINTTOFILE then preselects it. With
// no printer installed and no file to print to, the dialog fails with PDERR_NODEFAULTPRN.
//
// An accepted dialog writes Flags (page range, selection, print to file; collation when copies and
// collation are not kept in the device mode), the page range it ended with and nCopies. The caller
// adds the device mode and the device context.
DialogOutcome showPrintDialog(commondialog::PRINTDLG& record, QPrinter& printer);

// The page-setup dialog on QPageSetupDialog, set up from a PAGESETUPDLG record and choosing into
// `printer`. Margins are read and written in the record's units; PSD_MARGINS sets the starting
// margins and PSD_MINMARGINS keeps the chosen ones at least rtMinMargin. PSD_DISABLEMARGINS,
// PSD_DISABLEORIENTATION and PSD_DISABLEPAPER grey out those parts where Qt's dialog shows them
// and keep their values whatever the dialog returns; Qt's dialog has no printer button for
// PSD_DISABLEPRINTER. An accepted dialog writes rtMargin and ptPaperSize.
DialogOutcome showPageSetupDialog(commondialog::PAGESETUPDLG& record, QPrinter& printer);

}  // namespace platform
