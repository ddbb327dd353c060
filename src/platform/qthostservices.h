#pragma once

#include "commondialog/hostservices.h"

namespace platform {

class QtDialogPlatform;

// The host as Qt sees it: the current printer is Qt's default printer (a PDF printer when none is
// installed), kept as a device context of the dialog platform; a screen pixel is 1440 / logical
// dots per inch twips high.
class QtHostServices : public commondialog::HostServices {
public:
    explicit QtHostServices(QtDialogPlatform& platform) : platform_(platform) {}

    std::int32_t CurrentPrinterDC() override;
    double TwipsPerPixelY() override;

private:
    QtDialogPlatform& platform_;
    std::int32_t currentPrinterDC_ = 0;
};

}  // namespace platform
