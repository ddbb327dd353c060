#include "platform/qtprinterobject.h"

#include <QPageSize>
#include <QPrinter>

#include <string>

#include "runtime/runtimeerror.h"

namespace platform {
namespace {

[[noreturn]] void refuse(const char* member, std::int16_t value) {
    runtime::raise(runtime::ErrorNumber::InvalidProcedureCall,
                   std::string(member) + " " + std::to_string(value));
}

}  // namespace

void QtPrinterObject::setCopies(std::int16_t copies) {
    if (copies < 1) {
        refuse("copies", copies);
    }
    printer_.setCopyCount(copies);
}

void QtPrinterObject::setOrientation(std::int16_t orientation) {
    if (orientation != 1 && orientation != 2) {
        refuse("orientation", orientation);
    }
    printer_.setPageOrientation(orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void QtPrinterObject::setPaperSize(std::int16_t paperSize) {
    const QPageSize::PageSizeId id = QPageSize::id(paperSize);
    if (id == QPageSize::Custom || QPageSize::windowsId(id) != paperSize) {
        refuse("paper size", paperSize);
    }
    printer_.setPageSize(QPageSize(id));
}

void QtPrinterObject::setPrintQuality(std::int16_t printQuality) {
    if (printQuality < 1) {
        refuse("print quality", printQuality);
    }
    printer_.setResolution(printQuality);
}

}  // namespace platform
