#pragma once

#include "commondialog/dialogrecords.h"
#include "platform/dialogoutcome.h"

namespace platform {

// The font dialog on QFontDialog, driven by a CHOOSEFONT record. With CF_INITTOLOGFONTSTRUCT the
// dialog starts at the record's LOGFONT (face name, height in screen pixels, weight, italic,
// underline, strike-out); CF_SCALABLEONLY and CF_FIXEDPITCHONLY narrow the fonts offered. Qt lists
// the same fonts for screen and printer, so hDC changes nothing, and its dialog has no colour
// choice, so rgbColors comes back as it went in.
//
// An accepted dialog writes the chosen font into the LOGFONT, its size in tenths of a point into
// iPointSize and its style into nFontType. With CF_LIMITSIZE the size is kept within the non-zero
// limits nSizeMin and nSizeMax, which Qt's dialog cannot enforce while it is up; limits the wrong
// way round fail with CFERR_MAXLESSTHANMIN.
DialogOutcome showFontDialog(commondialog::CHOOSEFONT& record);

}  // namespace platform
