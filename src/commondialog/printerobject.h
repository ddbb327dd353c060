#pragma once

#include <cstdint>

namespace commondialog {

// A printer whose settings the print and page-setup dialogs hand on after they are accepted. The
// values are the device mode's: copies, orientation (1 portrait, 2 landscape), paper size (the
// platform's DMPAPER_ code) and print quality (dots per inch, or a negative DMRES_ level). A setter
// may refuse a value by raising; the dialogs ignore such refusals and go on with the next member.
class PrinterObject {
public:
    virtual ~PrinterObject() = default;

    virtual void setCopies(std::int16_t copies) = 0;
    virtual void setOrientation(std::int16_t orientation) = 0;
    virtual void setPaperSize(std::int16_t paperSize) = 0;
    virtual void setPrintQuality(std::int16_t printQuality) = 0;
};

}  // namespace commondialog
