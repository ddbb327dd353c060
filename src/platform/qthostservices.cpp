#include "platform/qthostservices.h"

#include <QPrinter>

#include <memory>

#include "platform/dialogwindow.h"
#include "platform/qtdialogplatform.h"

namespace platform {

std::int32_t QtHostServices::CurrentPrinterDC() {
    if (platform_.printerOf(currentPrinterDC_) == nullptr) {
        currentPrinterDC_ = platform_.addDeviceContext(std::make_unique<QPrinter>());
    }
    return currentPrinterDC_;
}

double QtHostServices::TwipsPerPixelY() {
    constexpr double kTwipsPerInch = 1440.0;
    return kTwipsPerInch / screenDotsPerInchY();
}

}  // namespace platform
