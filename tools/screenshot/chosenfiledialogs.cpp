#include "screenshot/chosenfiledialogs.h"

#include "commondialog/dialogconstants.h"

namespace screenshot {

std::int32_t ChosenFileDialogs::GetOpenFileName(commondialog::OPENFILENAME& record) {
    // The path and its NUL must fit the caller's buffer, as in the real dialog.
    if (!record.lpstrFile || record.lpstrFile->size() < path_.size() + 1) {
        extendedError_ = commondialog::FNERR_BUFFERTOOSMALL;
        return commondialog::kDialogFailed;
    }
    extendedError_ = 0;
    record.lpstrFile->replace(0, path_.size() + 1, path_ + '\0');
    return commondialog::kDialogAccepted;
}

}  // namespace screenshot
