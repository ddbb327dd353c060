#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "commondialog/facename.h"

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

// A font's description, in this system's 64-byte form: the platform's 60-byte LOGFONT with a
// face-name field of 33 bytes (see facename.h). Booleans are 0 or non-zero bytes.
struct LOGFONT {
    // Negative: the character height in pixels; positive: the cell height; 0: any.
    std::int32_t lfHeight = 0;
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    // 0 (any), or 100 to 900 with 400 normal and 700 bold.
    std::int32_t lfWeight = 0;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    FaceNameField lfFaceName{};

    friend bool operator==(const LOGFONT&, const LOGFONT&) = default;
};

// The font request, 60 bytes.
struct CHOOSEFONT {
    static constexpr std::int32_t kSize = 60;

    std::int32_t lStructSize = 0;
    std::int32_t hwndOwner = 0;
    // The printer whose fonts are listed, with CF_PRINTERFONTS.
    std::int32_t hDC = 0;
    // The font to start with (CF_INITTOLOGFONTSTRUCT) and the chosen font.
    LOGFONT* lpLogFont = nullptr;
    // Out: the chosen size in tenths of a point.
    std::int32_t iPointSize = 0;
    std::int32_t Flags = 0;
    // In and out: the text colour (with CF_EFFECTS).
    std::int32_t rgbColors = 0;
    std::int32_t lCustData = 0;
    std::int32_t lpfnHook = 0;
    std::optional<std::string> lpTemplateName;
    std::int32_t hInstance = 0;
    std::optional<std::string> lpszStyle;
    // Out: BOLD_FONTTYPE, ITALIC_FONTTYPE, REGULAR_FONTTYPE, SCREEN_FONTTYPE.
    std::int16_t nFontType = 0;
    // The size limits in points with CF_LIMITSIZE; 0 is no limit.
    std::int32_t nSizeMin = 0;
    std::int32_t nSizeMax = 0;

    friend bool operator==(const CHOOSEFONT&, const CHOOSEFONT&) = default;
};

// The print request, 66 bytes packed. Page numbers are unsigned 16-bit.
struct PRINTDLG {
    static constexpr std::int32_t kSize = 66;

    std::int32_t lStructSize = 0;
    std::int32_t hwndOwner = 0;
    // Out: the memory blocks of the chosen printer's device mode and names (0 for none).
    std::int32_t hDevMode = 0;
    std::int32_t hDevNames = 0;
    // Out: the chosen printer's device context, with PD_RETURNDC.
    std::int32_t hDC = 0;
    std::int32_t Flags = 0;
    std::uint16_t nFromPage = 0;
    std::uint16_t nToPage = 0;
    std::uint16_t nMinPage = 0;
    std::uint16_t nMaxPage = 0;
    std::uint16_t nCopies = 0;
    std::int32_t hInstance = 0;
    std::int32_t lCustData = 0;
    std::int32_t lpfnPrintHook = 0;
    std::int32_t lpfnSetupHook = 0;
    std::optional<std::string> lpPrintTemplateName;
    std::optional<std::string> lpSetupTemplateName;
    std::int32_t hPrintTemplate = 0;
    std::int32_t hSetupTemplate = 0;

    friend bool operator==(const PRINTDLG&, const PRINTDLG&) = default;
};

struct POINT {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const POINT&, const POINT&) = default;
};

struct RECT {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const RECT&, const RECT&) = default;
};

// The page-setup request, 84 bytes. Sizes and margins are in thousandths of an inch
// (PSD_INTHOUSANDTHSOFINCHES) or hundredths of a millimetre (PSD_INHUNDREDTHSOFMILLIMETERS).
struct PAGESETUPDLG {
    static constexpr std::int32_t kSize = 84;

    std::int32_t lStructSize = 0;
    std::int32_t hwndOwner = 0;
    std::int32_t hDevMode = 0;
    std::int32_t hDevNames = 0;
    std::int32_t Flags = 0;
    // Out: the paper's width and height as the page is oriented.
    POINT ptPaperSize;
    RECT rtMinMargin;
    RECT rtMargin;
    std::int32_t hInstance = 0;
    std::int32_t lCustData = 0;
    std::int32_t lpfnPageSetupHook = 0;
    std::int32_t lpfnPagePaintHook = 0;
    std::optional<std::string> lpPageSetupTemplateName;
    std::int32_t hPageSetupTemplate = 0;

    friend bool operator==(const PAGESETUPDLG&, const PAGESETUPDLG&) = default;
};

}  // namespace commondialog
