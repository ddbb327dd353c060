#pragma once

#include <cstdint>
#include <vector>

class QPrinter;

namespace platform {

// The platform's device-mode block (DEVMODE, narrow-text form, 156 bytes) describing a printer's
// settings: its name, orientation, paper size (DMPAPER_ code, DMPAPER_USER for a custom size),
// copies, print quality and vertical resolution (its dots per inch), colour and collation.
std::vector<std::uint8_t> deviceModeBlock(const QPrinter& printer);

}  // namespace platform
