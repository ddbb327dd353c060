#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "commondialog/dialogconstants.h"
#include "commondialog/dialogrecords.h"

namespace commondialog {

// The platform's common-dialog services, one call per platform function. A dialog call shows its
// dialog modally to its owner window (or to no window when hwndOwner is 0), blocks until the dialog
// closes, writes its answers into the record and returns kDialogAccepted, kDialogCancelled, or
// kDialogFailed with the reason ready for CommDlgExtendedError().

class DialogPlatform {
public:
    virtual ~DialogPlatform() = default;

    virtual std::int32_t GetOpenFileName(OPENFILENAME& record) = 0;
    // The extended error code of the last dialog call: 0 unless it failed.
    virtual std::int32_t CommDlgExtendedError() = 0;

    virtual std::int32_t GetSaveFileName(OPENFILENAME& record) = 0;

    // Writes the display title of the file `lpszFile` (NUL-terminated) into the first `cchSize`
    // bytes of `Buf` and returns 0; returns the buffer size the title needs when it does not fit,
    // and a negative value when the path names no file. Shows no dialog.
    virtual std::int16_t GetFileTitle(const std::string& lpszFile, std::string& Buf,
                                      std::uint16_t cchSize) = 0;

    virtual std::int32_t ChooseColor(CHOOSECOLOR& record) = 0;
    virtual std::int32_t ChooseFont(CHOOSEFONT& record) = 0;
    virtual std::int32_t PrintDlg(PRINTDLG& record) = 0;
    // Any result but kDialogCancelled counts as acceptance for this dialog, so it returns
    // kDialogCancelled for a failure too (with the failure's extended error).
    virtual std::int32_t PageSetupDlg(PAGESETUPDLG& record) = 0;

    // The system colour `nIndex` (0 scroll bar, 1 desktop, 2 active caption ... 15 button face) as
    // 0x00BBGGRR; 0 for an index the platform does not know.
    virtual std::int32_t GetSysColor(std::int32_t nIndex) = 0;

    // The bytes of a memory block that a dialog returned (hDevMode, hDevNames), valid until
    // GlobalUnlock(hMem); empty for a handle the platform does not know.
    virtual std::span<const std::uint8_t> GlobalLock(std::int32_t hMem) = 0;
    virtual void GlobalUnlock(std::int32_t hMem) = 0;
    // Releases a memory block that a dialog returned.
    virtual void GlobalFree(std::int32_t hMem) = 0;
};

}  // namespace commondialog
