#include "platform/qtdialogplatform.h"

#include "platform/colordialog.h"
#include "platform/colorvalues.h"
#include "platform/devicemodeblock.h"
#include "platform/filedialog.h"
#include "platform/fontdialog.h"
#include "platform/printdialogs.h"

namespace platform {

std::int32_t QtDialogPlatform::GetOpenFileName(commondialog::OPENFILENAME& record) {
    return finish(showFileDialog(record, FileDialogKind::Open));
}

std::int32_t QtDialogPlatform::GetSaveFileName(commondialog::OPENFILENAME& record) {
    return finish(showFileDialog(record, FileDialogKind::Save));
}

std::int16_t QtDialogPlatform::GetFileTitle(const std::string& lpszFile, std::string& Buf,
                                            std::uint16_t cchSize) {
    return writeFileTitle(lpszFile, Buf, cchSize);
}

std::int32_t QtDialogPlatform::ChooseColor(commondialog::CHOOSECOLOR& record) {
    return finish(showColorDialog(record));
}

std::int32_t QtDialogPlatform::ChooseFont(commondialog::CHOOSEFONT& record) {
    return finish(showFontDialog(record));
}

std::int32_t QtDialogPlatform::PrintDlg(commondialog::PRINTDLG& record) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const DialogOutcome outcome = showPrintDialog(record, *printer);
    if (outcome.result == commondialog::kDialogAccepted) {
        record.hDevMode = addMemoryBlock(deviceModeBlock(*printer));
        record.hDevNames = 0;
        record.hDC = (record.Flags & commondialog::PD_RETURNDC) != 0
                         ? addDeviceContext(std::move(printer))
                         : 0;
    }
    return finish(outcome);
}

std::int32_t QtDialogPlatform::PageSetupDlg(commondialog::PAGESETUPDLG& record) {
    QPrinter printer(QPrinter::HighResolution);
    DialogOutcome outcome = showPageSetupDialog(record, printer);
    if (outcome.result == commondialog::kDialogAccepted) {
        record.hDevMode = addMemoryBlock(deviceModeBlock(printer));
        record.hDevNames = 0;
    } else {
        // This dialog's callers take any non-zero result for acceptance.
        outcome.result = commondialog::kDialogCancelled;
    }
    return finish(outcome);
}

std::int32_t QtDialogPlatform::GetSysColor(std::int32_t nIndex) {
    return systemColor(nIndex);
}

std::span<const std::uint8_t> QtDialogPlatform::GlobalLock(std::int32_t hMem) {
    const auto found = memoryBlocks_.find(hMem);
    if (found == memoryBlocks_.end()) {
        return {};
    }
    return found->second;
}

void QtDialogPlatform::GlobalFree(std::int32_t hMem) {
    memoryBlocks_.erase(hMem);
}

std::int32_t QtDialogPlatform::addMemoryBlock(std::vector<std::uint8_t> block) {
    const std::int32_t handle = newHandle();
    memoryBlocks_.emplace(handle, std::move(block));
    return handle;
}

QPrinter* QtDialogPlatform::printerOf(std::int32_t hdc) const {
    const auto found = deviceContexts_.find(hdc);
    return found != deviceContexts_.end() ? found->second.get() : nullptr;
}

std::int32_t QtDialogPlatform::addDeviceContext(std::unique_ptr<QPrinter> printer) {
    const std::int32_t handle = newHandle();
    deviceContexts_.emplace(handle, std::move(printer));
    return handle;
}

// Handles count up from 1, so 0 never names anything.
std::int32_t QtDialogPlatform::newHandle() {
    return ++lastHandle_;
}

std::int32_t QtDialogPlatform::finish(DialogOutcome outcome) {
    extendedError_ = outcome.extendedError;
    return outcome.result;
}

}  // namespace platform
