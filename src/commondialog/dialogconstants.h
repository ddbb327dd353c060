#pragma once

#include <cstdint>

// The numbers of the platform's common-dialog interface that the dialog records carry: the flag
// bits of each request and the extended error codes. They keep the values of the Windows common
// dialog library, so a caller's flags mean the same here as there.
namespace commondialog {

// The result codes of every dialog call.
inline constexpr std::int32_t kDialogCancelled = 0;
inline constexpr std::int32_t kDialogAccepted = 1;
inline constexpr std::int32_t kDialogFailed = 2;

// A window handle of -1 means "no owner window".
inline constexpr std::int32_t kNoOwner = -1;

// Open and save dialogs (OPENFILENAME.Flags).
inline constexpr std::int32_t OFN_READONLY = 0x1;
inline constexpr std::int32_t OFN_OVERWRITEPROMPT = 0x2;
inline constexpr std::int32_t OFN_HIDEREADONLY = 0x4;
inline constexpr std::int32_t OFN_ENABLEHOOK = 0x20;
inline constexpr std::int32_t OFN_ENABLETEMPLATE = 0x40;
inline constexpr std::int32_t OFN_ALLOWMULTISELECT = 0x200;
inline constexpr std::int32_t OFN_FILEMUSTEXIST = 0x1000;

// Colour dialog (CHOOSECOLOR.Flags).
inline constexpr std::int32_t CC_RGBINIT = 0x1;
inline constexpr std::int32_t CC_FULLOPEN = 0x2;
inline constexpr std::int32_t CC_PREVENTFULLOPEN = 0x4;
inline constexpr std::int32_t CC_SOLIDCOLOR = 0x80;
inline constexpr std::int32_t CC_ANYCOLOR = 0x100;

// Font dialog (CHOOSEFONT.Flags and nFontType).
inline constexpr std::int32_t CF_SCREENFONTS = 0x1;
inline constexpr std::int32_t CF_PRINTERFONTS = 0x2;
inline constexpr std::int32_t CF_ENABLEHOOK = 0x8;
inline constexpr std::int32_t CF_ENABLETEMPLATE = 0x10;
inline constexpr std::int32_t CF_INITTOLOGFONTSTRUCT = 0x40;
inline constexpr std::int32_t CF_EFFECTS = 0x100;
inline constexpr std::int32_t CF_APPLY = 0x200;
inline constexpr std::int32_t CF_LIMITSIZE = 0x2000;
inline constexpr std::int32_t CF_FIXEDPITCHONLY = 0x4000;
inline constexpr std::int32_t CF_SCALABLEONLY = 0x20000;
inline constexpr std::int16_t BOLD_FONTTYPE = 0x100;
inline constexpr std::int16_t ITALIC_FONTTYPE = 0x200;
inline constexpr std::int16_t REGULAR_FONTTYPE = 0x400;
inline constexpr std::int16_t SCREEN_FONTTYPE = 0x2000;

// Print dialog (PRINTDLG.Flags).
inline constexpr std::int32_t PD_SELECTION = 0x1;
inline constexpr std::int32_t PD_PAGENUMS = 0x2;
inline constexpr std::int32_t PD_NOSELECTION = 0x4;
inline constexpr std::int32_t PD_NOPAGENUMS = 0x8;
inline constexpr std::int32_t PD_COLLATE = 0x10;
inline constexpr std::int32_t PD_PRINTTOFILE = 0x20;
inline constexpr std::int32_t PD_NOWARNING = 0x80;
inline constexpr std::int32_t PD_RETURNDC = 0x100;
inline constexpr std::int32_t PD_USEDEVMODECOPIESANDCOLLATE = 0x40000;
inline constexpr std::int32_t PD_DISABLEPRINTTOFILE = 0x80000;
inline constexpr std::int32_t PD_HIDEPRINTTOFILE = 0x100000;

// Page-setup dialog (PAGESETUPDLG.Flags).
inline constexpr std::int32_t PSD_MINMARGINS = 0x1;
inline constexpr std::int32_t PSD_MARGINS = 0x2;
inline constexpr std::int32_t PSD_INTHOUSANDTHSOFINCHES = 0x4;
inline constexpr std::int32_t PSD_INHUNDREDTHSOFMILLIMETERS = 0x8;
inline constexpr std::int32_t PSD_DISABLEMARGINS = 0x10;
inline constexpr std::int32_t PSD_DISABLEPRINTER = 0x20;
inline constexpr std::int32_t PSD_DISABLEORIENTATION = 0x100;
inline constexpr std::int32_t PSD_DISABLEPAPER = 0x200;

// Extended error codes (CommDlgExtendedError).
inline constexpr std::int32_t CDERR_STRUCTSIZE = 0x0001;
inline constexpr std::int32_t CDERR_INITIALIZATION = 0x0002;
inline constexpr std::int32_t CDERR_DIALOGFAILURE = 0xFFFF;
inline constexpr std::int32_t PDERR_NODEFAULTPRN = 0x1008;
inline constexpr std::int32_t CFERR_MAXLESSTHANMIN = 0x2002;
inline constexpr std::int32_t FNERR_BUFFERTOOSMALL = 0x3003;

}  // namespace commondialog
