#include "platform/printdialogs.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <algorithm>

#include "platform/dialogwindow.h"
#include "runtime/checkedint.h"

namespace platform {
namespace {

using namespace commondialog;

bool has(std::int32_t flags, std::int32_t flag) {
    return (flags & flag) != 0;
}

// Greys out the part of the dialog that holds the child named `name`.
void disablePartOf(QDialog& dialog, const char* name) {
    if (auto* child = dialog.findChild<QWidget*>(QString::fromLatin1(name)); child != nullptr) {
        child->parentWidget()->setEnabled(false);
    }
}

QMarginsF marginsOf(const RECT& rect, double scale) {
    return QMarginsF(rect.left / scale, rect.top / scale, rect.right / scale, rect.bottom / scale);
}

RECT rectOf(const QMarginsF& margins, double scale) {
    return {runtime::roundToInt32(margins.left() * scale),
            runtime::roundToInt32(margins.top() * scale),
            runtime::roundToInt32(margins.right() * scale),
            runtime::roundToInt32(margins.bottom() * scale)};
}

}  // namespace

DialogOutcome showPrintDialog(PRINTDLG& record, QPrinter& printer) {
    if (record.lStructSize != PRINTDLG::kSize) {
        return dialogFailed(CDERR_STRUCTSIZE);
    }
    const auto owner = ownerWindow(record.hwndOwner);
    if (!owner) {
        return dialogFailed(CDERR_DIALOGFAILURE);
    }
    const std::int32_t flags = record.Flags;
    const bool fileOffered = !has(flags, PD_HIDEPRINTTOFILE) && !has(flags, PD_DISABLEPRINTTOFILE);
    if (QPrinterInfo::availablePrinterNames().isEmpty() && !fileOffered) {
        return dialogFailed(PDERR_NODEFAULTPRN);
    }

    QPrintDialog dialog(&printer, *owner);
    QAbstractPrintDialog::PrintDialogOptions options =
        QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies;
    options.setFlag(QAbstractPrintDialog::PrintToFile, fileOffered);
    options.setFlag(QAbstractPrintDialog::PrintSelection, !has(flags, PD_NOSELECTION));
    options.setFlag(QAbstractPrintDialog::PrintPageRange, !has(flags, PD_NOPAGENUMS));
    dialog.setOptions(options);
    dialog.setMinMax(record.nMinPage, record.nMaxPage);
    if (record.nMinPage <= record.nFromPage && record.nFromPage <= record.nToPage &&
        record.nToPage <= record.nMaxPage && record.nFromPage > 0) {
        printer.setFromTo(record.nFromPage, record.nToPage);
    }
    if (has(flags, PD_PAGENUMS)) {
        printer.setPrintRange(QPrinter::PageRange);
    } else if (has(flags, PD_SELECTION)) {
        printer.setPrintRange(QPrinter::Selection);
    } else {
        printer.setPrintRange(QPrinter::AllPages);
    }
    printer.setCollateCopies(has(flags, PD_COLLATE));
    if (record.nCopies > 0) {
        printer.setCopyCount(record.nCopies);
    }
    if (fileOffered && has(flags, PD_PRINTTOFILE)) {
        printer.setOutputFormat(QPrinter::PdfFormat);
    }

    if (!runDialog(dialog)) {
        return dialogCancelled();
    }

    record.Flags &= ~(PD_PAGENUMS | PD_SELECTION | PD_PRINTTOFILE | PD_COLLATE);
    if (printer.printRange() == QPrinter::PageRange) {
        record.Flags |= PD_PAGENUMS;
        record.nFromPage = static_cast<std::uint16_t>(printer.fromPage());
        record.nToPage = static_cast<std::uint16_t>(printer.toPage());
    } else if (printer.printRange() == QPrinter::Selection) {
        record.Flags |= PD_SELECTION;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        record.Flags |= PD_PRINTTOFILE;
    }
    if (has(flags, PD_USEDEVMODECOPIESANDCOLLATE)) {
        record.nCopies = 1;
    } else {
        record.nCopies = static_cast<std::uint16_t>(std::clamp(printer.copyCount(), 1, 0xFFFF));
        if (printer.collateCopies()) {
            record.Flags |= PD_COLLATE;
        }
    }
    return dialogAccepted();
}

DialogOutcome showPageSetupDialog(PAGESETUPDLG& record, QPrinter& printer) {
    if (record.lStructSize != PAGESETUPDLG::kSize) {
        return dialogFailed(CDERR_STRUCTSIZE);
    }
    const auto owner = ownerWindow(record.hwndOwner);
    if (!owner) {
        return dialogFailed(CDERR_DIALOGFAILURE);
    }
    const std::int32_t flags = record.Flags;
    const bool millimetres = has(flags, PSD_INHUNDREDTHSOFMILLIMETERS);
    const QPageLayout::Unit unit = millimetres ? QPageLayout::Millimeter : QPageLayout::Inch;
    const double scale = millimetres ? 100.0 : 1000.0;

    const QMarginsF minimum =
        has(flags, PSD_MINMARGINS) ? marginsOf(record.rtMinMargin, scale) : QMarginsF();
    // Margins of at least the minimum, each on its own.
    const auto atLeastMinimum = [&minimum](const QMarginsF& margins) {
        return QMarginsF(std::max(margins.left(), minimum.left()),
                         std::max(margins.top(), minimum.top()),
                         std::max(margins.right(), minimum.right()),
                         std::max(margins.bottom(), minimum.bottom()));
    };
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(unit);
    layout.setMinimumMargins(minimum);
    if (has(flags, PSD_MARGINS)) {
        layout.setMargins(atLeastMinimum(marginsOf(record.rtMargin, scale)));
    }
    printer.setPageLayout(layout);
    const QPageLayout start = printer.pageLayout();

    // This dialog hands the choices to the printer only from exec(); see execDialog().
    QWidget hiddenOwner;
    QPageSetupDialog dialog(&printer, *owner != nullptr ? *owner : &hiddenOwner);
    if (has(flags, PSD_DISABLEMARGINS)) {
        disablePartOf(dialog, "topMargin");
    }
    if (has(flags, PSD_DISABLEORIENTATION)) {
        disablePartOf(dialog, "portrait");
    }
    if (has(flags, PSD_DISABLEPAPER)) {
        disablePartOf(dialog, "pageSizeCombo");
    }
    if (!execDialog(dialog)) {
        return dialogCancelled();
    }

    // What the record said may not change stays as it was, whatever the dialog let through.
    if (has(flags, PSD_DISABLEPAPER)) {
        printer.setPageSize(start.pageSize());
    }
    if (has(flags, PSD_DISABLEORIENTATION)) {
        printer.setPageOrientation(start.orientation());
    }
    const QPageLayout chosen = printer.pageLayout();
    const QMarginsF margins =
        atLeastMinimum((has(flags, PSD_DISABLEMARGINS) ? start : chosen).margins(unit));
    record.rtMargin = rectOf(margins, scale);
    const QRectF paper = chosen.fullRect(unit);
    record.ptPaperSize = {runtime::roundToInt32(paper.width() * scale),
                          runtime::roundToInt32(paper.height() * scale)};
    return dialogAccepted();
}

}  // namespace platform
