#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The request records that cCommonDialog hands to the dialog platform, one struct per record of the
// platform's common-dialog interface, with its field names. Numbers are the record's 32-bit fields
// (handles included); texts are byte strings in the narrow encoding (UTF-8), where an absent text
// (std::nullopt) differs from an empty one. A text buffer that the platform writes into is a string
// of exactly its capacity in bytes, NUL-filled; the platform writes a NUL-terminated text into it.
// Fields that no caller sets stay zero or absent.
namespace commondialog {

// The capacity of the file-name and file-title buffers of the file dialogs, in bytes.
inline constexpr std::int32_t kFileBufferSize = 260;

// The open- and save-file request, in its 76-byte form.
struct OPENFILENAME {
    static constexpr std::int32_t kSize = 76;

    std::int32_t lStructSize = 0;
    std::int32_t hwndOwner = 0;
    std::int32_t hInstance = 0;
    // Pairs of description and pattern, each ended by a NUL, the list ended by one more NUL.
    std::optional<std::string> lpstrFilter;
    std::optional<std::string> lpstrCustomFilter;
    std::int32_t nMaxCustFilter = 0;
    // The selected filter pair, counted from 1.
    std::int32_t nFilterIndex = 0;
    std::optional<std::string> lpstrFile;
    std::int32_t nMaxFile = 0;
    std::optional<std::string> lpstrFileTitle;
    std::int32_t nMaxFileTitle = 0;
    std::optional<std::string> lpstrInitialDir;
    std::optional<std::string> lpstrTitle;
    std::int32_t Flags = 0;
    // Byte offsets of the file name and of its extension within lpstrFile.
    std::int32_t nFileOffset = 0;
    std::int32_t nFileExtension = 0;
    std::optional<std::string> lpstrDefExt;
    std::int32_t lCustData = 0;
    std::int32_t lpfnHook = 0;
    std::optional<std::string> lpTemplateName;

    friend bool operator==(const OPENFILENAME&, const OPENFILENAME&) = default;
};

// Colours are 0x00BBGGRR values.
inline constexpr std::size_t kCustomColorCount = 16;
using CustomColorTable = std::array<std::int32_t, kCustomColorCount>;

// The colour request, 36 bytes.
struct CHOOSECOLOR {
    static constexpr std::int32_t kSize = 36;

    std::int32_t lStructSize = 0;
    std::int32_t hwndOwner = 0;
    std::int32_t hInstance = 0;
    // In: the colour to start with (with CC_RGBINIT). Out: the chosen colour.
    std::int32_t rgbResult = 0;
    // The caller's table of custom colours, which the dialog shows and changes in place.
    CustomColorTable* lpCustColors = nullptr;
    std::int32_t Flags = 0;
    std::int32_t lCustData = 0;
    std::int32_t lpfnHook = 0;
    std::optional<std::string> lpTemplateName;

    friend bool operator==(const CHOOSECOLOR&, const CHOOSECOLOR&) = default;
};

}  // namespace commondialog
