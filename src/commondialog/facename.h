#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The face-name field of a LOGFONT record: 33 bytes here, of which the platform reads 32. A name
// is kept NUL-terminated within them, so it never runs into the bytes after the field.
namespace commondialog {

inline constexpr std::size_t kFaceNameFieldSize = 33;
// The longest name stored: 31 bytes and its NUL fill the platform's 32.
inline constexpr std::size_t kFaceNameMaxBytes = 31;
using FaceNameField = std::array<char, kFaceNameFieldSize>;

// The field holding `name`, cut to at most 31 bytes at a UTF-8 character boundary, NUL-filled.
FaceNameField TextToFaceName(std::string_view name);
// The name in a field: its bytes up to the first NUL.
std::string FaceNameToText(const FaceNameField& field);

}  // namespace commondialog
