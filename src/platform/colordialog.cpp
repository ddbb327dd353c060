#include "platform/colordialog.h"

#include <QColorDialog>

#include <algorithm>

#include "platform/colorvalues.h"
#include "platform/dialogwindow.h"

namespace platform {

using namespace commondialog;

DialogOutcome showColorDialog(CHOOSECOLOR& record) {
    if (record.lStructSize != CHOOSECOLOR::kSize) {
        return dialogFailed(CDERR_STRUCTSIZE);
    }
    if (record.lpCustColors == nullptr) {
        return dialogFailed(CDERR_INITIALIZATION);
    }
    const auto owner = ownerWindow(record.hwndOwner);
    if (!owner) {
        return dialogFailed(CDERR_DIALOGFAILURE);
    }

    // Qt keeps one custom-colour table for all its colour dialogs; it stands in for the record's
    // table while this dialog is up.
    CustomColorTable& table = *record.lpCustColors;
    const int count = std::min(QColorDialog::customCount(), static_cast<int>(table.size()));
    for (int i = 0; i < count; ++i) {
        QColorDialog::setCustomColor(i, colorFromColorRef(table[static_cast<std::size_t>(i)]));
    }
    QColorDialog dialog(*owner);
    dialog.setCurrentColor((record.Flags & CC_RGBINIT) != 0 ? colorFromColorRef(record.rgbResult)
                                                            : QColor(Qt::black));
    const bool accepted = runDialog(dialog);
    for (int i = 0; i < count; ++i) {
        table[static_cast<std::size_t>(i)] = colorRefOf(QColorDialog::customColor(i));
    }
    if (!accepted) {
        return dialogCancelled();
    }
    record.rgbResult = colorRefOf(dialog.selectedColor());
    return dialogAccepted();
}

}  // namespace platform
