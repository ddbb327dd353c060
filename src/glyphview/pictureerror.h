#pragma once

#include <stdexcept>

namespace glyphview {

// A picture that cannot be made: an image too large to allocate, a PNG the writer refuses, a text
// that has no rows to be set in. what() says why, for the program that asked to report.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace glyphview
