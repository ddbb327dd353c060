#pragma once

#include <cstdint>

#include <QColor>

// The platform's colour values, 0x00BBGGRR (red in the low byte), and the system colours.
namespace platform {

QColor colorFromColorRef(std::int32_t value);
std::int32_t colorRefOf(const QColor& color);

// System colour `index` of the platform's list (COLOR_SCROLLBAR 0 to COLOR_MENUBAR 30), taken
// from the matching role of the application palette; 0 for an index outside the list.
std::int32_t systemColor(std::int32_t index);

}  // namespace platform
