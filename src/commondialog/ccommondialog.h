#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "commondialog/devicemode.h"
#include "commondialog/dialogarguments.h"
#include "commondialog/dialogplatform.h"
#include "commondialog/fontobject.h"
#include "commondialog/hostservices.h"

namespace commondialog {

// The system's wrapper around the platform's standard dialogs: each dialog is one method call with
// plain in/out arguments and a boolean result that is true only when the user accepted. The method
// fills the platform's request record, calls the platform once and hands the answers back; the
// raw result of that call stays readable as APIReturn() and the reason of a failure as
// ExtendedError(), so a caller can tell a cancel (ExtendedError() 0) from a failure.
//
// Arguments are checked before any dialog is shown: a bad one raises the runtime error and no
// dialog appears. Outputs are written only after the dialog, except for the font dialog's flags and
// printer device context, which it settles first.
class cCommonDialog {
public:
    // The font dialog needs the host's services as well; without them it raises the
    // invalid-argument error.
    explicit cCommonDialog(DialogPlatform& platform) : platform_(platform) {}
    cCommonDialog(DialogPlatform& platform, HostServices& host)
        : platform_(platform), host_(&host) {}

    // The dialog hook entry. Requests go to the platform without hook bits and no hook target can
    // be set, so there is never anything to forward: the result is always empty.
    std::optional<std::int32_t> DialogHook(std::int32_t hDlg, std::int32_t msg, std::int32_t wParam,
                                           std::int32_t lParam) const;

    // The raw result of the most recent dialog call (0 before any).
    std::int32_t APIReturn() const noexcept { return apiReturn_; }
    // The extended error code stored by the most recent failed dialog call.
    std::int32_t ExtendedError() const noexcept { return extendedError_; }

    // The open-file dialog. Raises the overflow error for a Filter of 32,767 characters or more and
    // the invalid-argument error for a Filename or FileTitle over 260 bytes.
    bool VBGetOpenFileName(OpenFileArguments& arguments);
    // The save-file dialog; its read-only box is always hidden. Raises as VBGetOpenFileName.
    bool VBGetSaveFileName(SaveFileArguments& arguments);
    // The platform's display title of the file sFIle, or the empty text when the platform has
    // none. Shows no dialog and leaves APIReturn() and ExtendedError() as they are.
    std::string VBGetFileTitle(std::string& sFIle);

    // The colour dialog, with the object's custom-colour table. Unlike the other dialogs it does
    // not reset APIReturn() and ExtendedError() first: an earlier failure's code stays until this
    // dialog itself fails.
    bool VBChooseColor(ChooseColorArguments& arguments);
    // Custom colour i (0..15) of the table that the colour dialog shows, -1 for any other index.
    // The table starts as system colours 0..15, read at the first use.
    std::int32_t CustomColor(std::int16_t i);
    // Stores custom colour i; an index outside 0..15 is ignored.
    void CustomColor(std::int16_t i, std::int32_t iValue);

    // The font dialog, starting at CurFont and writing the chosen font back into it. The flags and
    // the printer device context are settled and written to the arguments before the dialog.
    // Raises the overflow error for a size that cannot be expressed in pixels or tenths of a point.
    bool VBChooseFont(FontObject& CurFont, ChooseFontArguments& arguments);

    // The print dialog. Raises the overflow error for a FromPage or ToPage outside 16 bits.
    bool vbPrintDlg(PrintDlgArguments& arguments);
    // The page-setup dialog. It resets APIReturn() and ExtendedError() to 0 and leaves them there,
    // and counts any non-zero result as acceptance. Raises the overflow error for a margin whose
    // value in thousandths of an inch or hundredths of a millimetre does not fit 32 bits.
    bool VBPageSetupDlg(PageSetupArguments& arguments);

private:
    using FileDialogCall = std::int32_t (DialogPlatform::*)(OPENFILENAME&);

    bool runFileDialog(FileDialogArguments& arguments, std::int32_t Flags, FileDialogCall call,
                       std::int32_t noFilterIndex);

    void LoadDefaultCustomColors();
    bool takeDeviceMode(std::int32_t hDevMode, devmode::KeptBytes& into);
    void releaseBlock(std::int32_t hMem);
    static void setPrinterMembers(PrinterObject& printer, const devmode::KeptBytes& deviceMode,
                                  std::int16_t copies);

    static std::string BuildNulFilter(const std::string& Filter);
    static std::string CutAtNul(const std::string& text);
    static std::string SelectedFilterEntry(const std::string& list, std::int32_t n);

    DialogPlatform& platform_;
    HostServices* host_ = nullptr;
    CustomColorTable CustomColors{};
    bool CustomColorsLoaded = false;
    // The device mode of the last accepted print dialog.
    devmode::KeptBytes LastDeviceMode{};
    std::int32_t apiReturn_ = 0;
    std::int32_t extendedError_ = 0;
};

}  // namespace commondialog
