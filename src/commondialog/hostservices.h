#pragma once

#include <cstdint>

namespace commondialog {

// What the font dialog asks of the host beyond the dialog platform: the device context of the
// current printer, for a font dialog that lists printer fonts, and the height of a screen pixel,
// for the font's size in pixels.
class HostServices {
public:
    virtual ~HostServices() = default;

    // A device-context handle for the host's current printer.
    virtual std::int32_t CurrentPrinterDC() = 0;
    // Twips (1/1440 inch) per screen pixel in the vertical direction: 15 at 96 dots per inch.
    virtual double TwipsPerPixelY() = 0;
};

}  // namespace commondialog
