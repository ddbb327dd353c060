#pragma once

#include <stdexcept>

namespace fontio {

// A font that cannot be read as a glyph source; what() names the font and the reason
// ("FILE: reason"). The one error of font import and export.
class FontIoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace fontio
