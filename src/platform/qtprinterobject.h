#pragma once

#include "commondialog/printerobject.h"

class QPrinter;

namespace platform {

// A QPrinter as the dialogs' printer object. It refuses, with the invalid-argument error, fewer
// than one copy, an orientation other than 1 (portrait) or 2 (landscape), a paper size code Qt
// does not know, and a print quality that is not a resolution in dots per inch (Qt has no draft
// or other quality levels).
class QtPrinterObject : public commondialog::PrinterObject {
public:
    explicit QtPrinterObject(QPrinter& printer) : printer_(printer) {}

    void setCopies(std::int16_t copies) override;
    void setOrientation(std::int16_t orientation) override;
    void setPaperSize(std::int16_t paperSize) override;
    void setPrintQuality(std::int16_t printQuality) override;

private:
    QPrinter& printer_;
};

}  // namespace platform
