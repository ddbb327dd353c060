#include "platform/colorvalues.h"

#include <QApplication>
#include <QPalette>

#include <array>
#include <optional>

namespace platform {
namespace {

struct PaletteColor {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The palette role that plays each system colour's part, in the order of the platform's indexes.
// Index 25 has no colour on the platform either.
constexpr std::array<std::optional<PaletteColor>, 31> kSystemColors{{
    PaletteColor{QPalette::Active, QPalette::Button},             // 0 scroll bar
    PaletteColor{QPalette::Active, QPalette::Dark},               // 1 desktop
    PaletteColor{QPalette::Active, QPalette::Highlight},          // 2 active caption
    PaletteColor{QPalette::Inactive, QPalette::Highlight},        // 3 inactive caption
    PaletteColor{QPalette::Active, QPalette::Window},             // 4 menu
    PaletteColor{QPalette::Active, QPalette::Base},               // 5 window
    PaletteColor{QPalette::Active, QPalette::Shadow},             // 6 window frame
    PaletteColor{QPalette::Active, QPalette::WindowText},         // 7 menu text
    PaletteColor{QPalette::Active, QPalette::Text},               // 8 window text
    PaletteColor{QPalette::Active, QPalette::HighlightedText},    // 9 caption text
    PaletteColor{QPalette::Active, QPalette::Window},             // 10 active border
    PaletteColor{QPalette::Inactive, QPalette::Window},           // 11 inactive border
    PaletteColor{QPalette::Active, QPalette::Mid},                // 12 application workspace
    PaletteColor{QPalette::Active, QPalette::Highlight},          // 13 highlight
    PaletteColor{QPalette::Active, QPalette::HighlightedText},    // 14 highlighted text
    PaletteColor{QPalette::Active, QPalette::Button},             // 15 button face
    PaletteColor{QPalette::Active, QPalette::Dark},               // 16 button shadow
    PaletteColor{QPalette::Disabled, QPalette::Text},             // 17 grey text
    PaletteColor{QPalette::Active, QPalette::ButtonText},         // 18 button text
    PaletteColor{QPalette::Inactive, QPalette::HighlightedText},  // 19 inactive caption text
    PaletteColor{QPalette::Active, QPalette::Light},              // 20 button highlight
    PaletteColor{QPalette::Active, QPalette::Shadow},             // 21 3-D dark shadow
    PaletteColor{QPalette::Active, QPalette::Midlight},           // 22 3-D light
    PaletteColor{QPalette::Active, QPalette::ToolTipText},        // 23 tooltip text
    PaletteColor{QPalette::Active, QPalette::ToolTipBase},        // 24 tooltip background
    std::nullopt,                                                 // 25
    PaletteColor{QPalette::Active, QPalette::Link},               // 26 hot-tracked item
    PaletteColor{QPalette::Active, QPalette::Highlight},          // 27 active caption gradient
    PaletteColor{QPalette::Inactive, QPalette::Highlight},        // 28 inactive caption gradient
    PaletteColor{QPalette::Active, QPalette::Highlight},          // 29 menu highlight
    PaletteColor{QPalette::Active, QPalette::Window},             // 30 menu bar
}};

}  // namespace

QColor colorFromColorRef(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

std::int32_t colorRefOf(const QColor& color) {
    const QColor rgb = color.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

std::int32_t systemColor(std::int32_t index) {
    if (index < 0 || index >= static_cast<std::int32_t>(kSystemColors.size())) {
        return 0;
    }
    const auto& entry = kSystemColors[static_cast<std::size_t>(index)];
    if (!entry) {
        return 0;
    }
    return colorRefOf(QApplication::palette().color(entry->group, entry->role));
}

}  // namespace platform
