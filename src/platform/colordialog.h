#pragma once

#include "commondialog/dialogrecords.h"
#include "platform/dialogoutcome.h"

namespace platform {

// The colour dialog on QColorDialog, driven by a CHOOSECOLOR record. The dialog starts at
// rgbResult with CC_RGBINIT (black otherwise) and shows the record's 16 custom colours, and the
// table receives the user's custom colours however the dialog ends. An accepted dialog writes the
// chosen colour into rgbResult. Qt's dialog always shows its custom-colour part, so CC_FULLOPEN
// and CC_PREVENTFULLOPEN change nothing, and every colour it offers is solid.
DialogOutcome showColorDialog(commondialog::CHOOSECOLOR& record);

}  // namespace platform
