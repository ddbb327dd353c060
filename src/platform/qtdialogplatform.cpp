#include "platform/qtdialogplatform.h"

#include "platform/colordialog.h"
#include "platform/colorvalues.h"
#include "platform/filedialog.h"

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

std::int32_t QtDialogPlatform::GetSysColor(std::int32_t nIndex) {
    return systemColor(nIndex);
}

std::int32_t QtDialogPlatform::finish(DialogOutcome outcome) {
    extendedError_ = outcome.extendedError;
    return outcome.result;
}

}  // namespace platform
