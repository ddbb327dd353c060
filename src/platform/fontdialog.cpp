#include "platform/fontdialog.h"

#include <QFontDialog>

#include <algorithm>
#include <cmath>

#include "platform/dialogwindow.h"
#include "runtime/checkedint.h"

namespace platform {
namespace {

using namespace commondialog;

constexpr double kPointsPerInch = 72.0;
constexpr std::uint8_t kTrue = 0xFF;

QFont fontOf(const LOGFONT& logFont) {
    QFont font;
    const QString family = QString::fromStdString(FaceNameToText(logFont.lfFaceName));
    if (!family.isEmpty()) {
        font.setFamily(family);
    }
    if (logFont.lfHeight != 0) {
        font.setPointSizeF(std::abs(static_cast<double>(logFont.lfHeight)) * kPointsPerInch /
                           screenDotsPerInchY());
    }
    // Weight 0 is "any weight": the normal one.
    if (logFont.lfWeight != 0) {
        font.setWeight(static_cast<QFont::Weight>(std::clamp(logFont.lfWeight, 1, 1000)));
    }
    font.setItalic(logFont.lfItalic != 0);
    font.setUnderline(logFont.lfUnderline != 0);
    font.setStrikeOut(logFont.lfStrikeOut != 0);
    return font;
}

double pointSizeOf(const QFont& font) {
    if (font.pointSizeF() > 0) {
        return font.pointSizeF();
    }
    return font.pixelSize() * kPointsPerInch / screenDotsPerInchY();
}

std::int16_t fontTypeOf(const QFont& font) {
    std::int16_t type = SCREEN_FONTTYPE;
    if (font.weight() >= QFont::Bold) {
        type |= BOLD_FONTTYPE;
    }
    if (font.italic()) {
        type |= ITALIC_FONTTYPE;
    }
    if ((type & (BOLD_FONTTYPE | ITALIC_FONTTYPE)) == 0) {
        type |= REGULAR_FONTTYPE;
    }
    return type;
}

}  // namespace

DialogOutcome showFontDialog(CHOOSEFONT& record) {
    if (record.lStructSize != CHOOSEFONT::kSize) {
        return dialogFailed(CDERR_STRUCTSIZE);
    }
    if (record.lpLogFont == nullptr) {
        return dialogFailed(CDERR_INITIALIZATION);
    }
    const bool limited = (record.Flags & CF_LIMITSIZE) != 0;
    if (limited && record.nSizeMin != 0 && record.nSizeMax != 0 &&
        record.nSizeMax < record.nSizeMin) {
        return dialogFailed(CFERR_MAXLESSTHANMIN);
    }
    const auto owner = ownerWindow(record.hwndOwner);
    if (!owner) {
        return dialogFailed(CDERR_DIALOGFAILURE);
    }

    QFontDialog dialog(*owner);
    dialog.setOption(QFontDialog::ScalableFonts, (record.Flags & CF_SCALABLEONLY) != 0);
    dialog.setOption(QFontDialog::MonospacedFonts, (record.Flags & CF_FIXEDPITCHONLY) != 0);
    if ((record.Flags & CF_INITTOLOGFONTSTRUCT) != 0) {
        dialog.setCurrentFont(fontOf(*record.lpLogFont));
    }
    if (!runDialog(dialog)) {
        return dialogCancelled();
    }

    const QFont chosen = dialog.selectedFont();
    double points = pointSizeOf(chosen);
    if (limited && record.nSizeMin != 0) {
        points = std::max(points, static_cast<double>(record.nSizeMin));
    }
    if (limited && record.nSizeMax != 0) {
        points = std::min(points, static_cast<double>(record.nSizeMax));
    }
    LOGFONT& logFont = *record.lpLogFont;
    logFont.lfHeight = -runtime::roundToInt32(points * screenDotsPerInchY() / kPointsPerInch);
    logFont.lfWeight = chosen.weight();
    logFont.lfItalic = chosen.italic() ? kTrue : 0;
    logFont.lfUnderline = chosen.underline() ? kTrue : 0;
    logFont.lfStrikeOut = chosen.strikeOut() ? kTrue : 0;
    logFont.lfFaceName = TextToFaceName(chosen.family().toStdString());
    record.iPointSize = runtime::roundToInt32(points * 10.0);
    record.nFontType = fontTypeOf(chosen);
    return dialogAccepted();
}

}  // namespace platform
