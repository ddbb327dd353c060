#include "platform/qtfontobject.h"

#include <cmath>

#include "platform/dialogwindow.h"
#include "runtime/runtimeerror.h"

namespace platform {

using runtime::ErrorNumber;

std::string QtFontObject::Name() const {
    return font_.family().toStdString();
}

void QtFontObject::setName(const std::string& name) {
    font_.setFamily(QString::fromStdString(name));
}

double QtFontObject::Size() const {
    if (font_.pointSizeF() > 0) {
        return font_.pointSizeF();
    }
    return font_.pixelSize() * 72.0 / screenDotsPerInchY();
}

void QtFontObject::setSize(double points) {
    if (!(points > 0) || !std::isfinite(points)) {
        runtime::raise(ErrorNumber::InvalidProcedureCall,
                       "font size " + std::to_string(points) + " points");
    }
    font_.setPointSizeF(points);
}

std::int16_t QtFontObject::Weight() const {
    return static_cast<std::int16_t>(font_.weight());
}

void QtFontObject::setWeight(std::int16_t weight) {
    if (weight < 0 || weight > 1000) {
        runtime::raise(ErrorNumber::InvalidProcedureCall, "font weight " + std::to_string(weight));
    }
    font_.setWeight(weight == 0 ? QFont::Normal : static_cast<QFont::Weight>(weight));
}

}  // namespace platform
