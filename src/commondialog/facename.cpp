#include "commondialog/facename.h"

#include <algorithm>

namespace commondialog {

FaceNameField TextToFaceName(std::string_view name) {
    std::size_t length = std::min(name.size(), kFaceNameMaxBytes);
    // Back up over UTF-8 continuation bytes (10xxxxxx), so no character is cut in two.
    if (length < name.size()) {
        while (length > 0 && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) {
            --length;
        }
    }
    FaceNameField field{};
    std::copy_n(name.begin(), length, field.begin());
    return field;
}

std::string FaceNameToText(const FaceNameField& field) {
    const auto end = std::find(field.begin(), field.end(), '\0');
    return std::string(field.begin(), end);
}

}  // namespace commondialog
