#pragma once

#include <QLabel>

namespace viewer {

// Sizes a label that fits itself to its caption: as wide and high as the caption in the font the
// label actually uses, which a missing font may have replaced.
inline void fitToCaption(QLabel* label) {
    const QFontMetrics metrics = label->fontMetrics();
    label->resize(metrics.horizontalAdvance(label->text()), metrics.height());
}

}  // namespace viewer
