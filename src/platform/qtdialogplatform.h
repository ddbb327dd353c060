#pragma once

#include <QPrinter>

#include <map>
#include <memory>
#include <vector>

#include "commondialog/dialogplatform.h"
#include "platform/dialogoutcome.h"

namespace platform {

// The dialog platform on Qt's standard dialogs. Each call shows its dialog (owned by the widget
// whose window id is hwndOwner, or by no window), returns 1 when it is accepted, 0 when it is
// cancelled and 2 when it fails (the page setup 0), and keeps the failure's code for
// CommDlgExtendedError().
class QtDialogPlatform : public commondialog::DialogPlatform {
public:
    std::int32_t GetOpenFileName(commondialog::OPENFILENAME& record) override;
    std::int32_t GetSaveFileName(commondialog::OPENFILENAME& record) override;
    std::int16_t GetFileTitle(const std::string& lpszFile, std::string& Buf,
                              std::uint16_t cchSize) override;
    std::int32_t ChooseColor(commondialog::CHOOSECOLOR& record) override;
    std::int32_t ChooseFont(commondialog::CHOOSEFONT& record) override;
    // An accepted print dialog returns the device mode and, with PD_RETURNDC, the chosen printer
    // as a device context (see printerOf()); no device-names block.
    std::int32_t PrintDlg(commondialog::PRINTDLG& record) override;
    // An accepted page setup returns the device mode of the default printer with the chosen paper
    // and orientation (of a PDF printer when none is installed).
    std::int32_t PageSetupDlg(commondialog::PAGESETUPDLG& record) override;
    std::int32_t CommDlgExtendedError() override { return extendedError_; }
    std::int32_t GetSysColor(std::int32_t nIndex) override;
    // Memory blocks stay in place until they are freed, so locking needs no count.
    std::span<const std::uint8_t> GlobalLock(std::int32_t hMem) override;
    void GlobalUnlock(std::int32_t) override {}
    void GlobalFree(std::int32_t hMem) override;

    // The printer behind a device-context handle that this platform returned; nullptr for any other
    // handle. The platform owns its device contexts for as long as it exists.
    QPrinter* printerOf(std::int32_t hdc) const;
    // Keeps `printer` as a device context and returns its handle.
    std::int32_t addDeviceContext(std::unique_ptr<QPrinter> printer);

private:
    std::int32_t finish(DialogOutcome outcome);
    std::int32_t newHandle();
    std::int32_t addMemoryBlock(std::vector<std::uint8_t> block);

    std::int32_t extendedError_ = 0;
    std::int32_t lastHandle_ = 0;
    std::map<std::int32_t, std::unique_ptr<QPrinter>> deviceContexts_;
    std::map<std::int32_t, std::vector<std::uint8_t>> memoryBlocks_;
};

}  // namespace platform
