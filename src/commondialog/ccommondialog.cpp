#include "commondialog/ccommondialog.h"

#include "runtime/checkedint.h"
#include "runtime/runtimeerror.h"

namespace commondialog {
namespace {

using runtime::ErrorNumber;

std::optional<std::string> absentIfEmpty(const std::string& text) {
    if (text.empty()) {
        return std::nullopt;
    }
    return text;
}

// A file-name or file-title buffer: the text, then NUL fill up to the buffer's capacity. A text
// that does not fit is refused; a text of exactly the capacity fills the buffer without a
// terminator.
std::string fileBuffer(const std::string& text, const char* argumentName) {
    const auto capacity = static_cast<std::size_t>(kFileBufferSize);
    if (text.size() > capacity) {
        runtime::raise(ErrorNumber::InvalidProcedureCall,
                       std::string(argumentName) + " of " + std::to_string(text.size()) +
                           " bytes exceeds its " + std::to_string(capacity) + "-byte buffer");
    }
    std::string buffer = text;
    buffer.resize(capacity, '\0');
    return buffer;
}

// UTF-8 continuation bytes (10xxxxxx) belong to the character before them.
bool startsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

}  // namespace

std::optional<std::int32_t> cCommonDialog::DialogHook(std::int32_t, std::int32_t, std::int32_t,
                                                      std::int32_t) const {
    return std::nullopt;
}

bool cCommonDialog::VBGetOpenFileName(OpenFileArguments& arguments) {
    std::int32_t Flags = arguments.flags & ~(OFN_ENABLEHOOK | OFN_ENABLETEMPLATE);
    if (arguments.FileMustExist) {
        Flags |= OFN_FILEMUSTEXIST;
    }
    if (arguments.MultiSelect) {
        Flags |= OFN_ALLOWMULTISELECT;
    }
    if (arguments.ReadOnly) {
        Flags |= OFN_READONLY;
    }
    if (arguments.HideReadOnly) {
        Flags |= OFN_HIDEREADONLY;
    }
    const bool accepted =
        runFileDialog(arguments, Flags, &DialogPlatform::GetOpenFileName, /*noFilterIndex=*/-1);
    if (accepted && (arguments.flags & OFN_READONLY) != 0) {
        arguments.ReadOnly = true;
    }
    return accepted;
}

bool cCommonDialog::VBGetSaveFileName(SaveFileArguments& arguments) {
    std::int32_t Flags =
        (arguments.flags & ~(OFN_ENABLEHOOK | OFN_ENABLETEMPLATE)) | OFN_HIDEREADONLY;
    if (arguments.OverWritePrompt) {
        Flags |= OFN_OVERWRITEPROMPT;
    }
    return runFileDialog(arguments, Flags, &DialogPlatform::GetSaveFileName,
                         /*noFilterIndex=*/0);
}

std::string cCommonDialog::VBGetFileTitle(std::string& sFIle) {
    std::string buffer(kFileBufferSize, '\0');
    if (platform_.GetFileTitle(sFIle, buffer, kFileBufferSize) != 0) {
        return {};
    }
    return CutAtNul(buffer);
}

bool cCommonDialog::VBChooseColor(ChooseColorArguments& arguments) {
    CHOOSECOLOR record;
    record.lStructSize = CHOOSECOLOR::kSize;
    if (arguments.Owner != kNoOwner) {
        record.hwndOwner = arguments.Owner;
    }
    record.rgbResult = arguments.Color;
    record.Flags = (arguments.AnyColor ? CC_ANYCOLOR : CC_SOLIDCOLOR) | CC_RGBINIT;
    if (arguments.FullOpen) {
        record.Flags |= CC_FULLOPEN;
    }
    if (arguments.DisableFullOpen) {
        record.Flags |= CC_PREVENTFULLOPEN;
    }
    if (!CustomColorsLoaded) {
        LoadDefaultCustomColors();
    }
    record.lpCustColors = &CustomColors;

    apiReturn_ = platform_.ChooseColor(record);
    if (apiReturn_ == kDialogAccepted) {
        arguments.Color = record.rgbResult;
        return true;
    }
    if (apiReturn_ != kDialogCancelled) {
        extendedError_ = platform_.CommDlgExtendedError();
    }
    arguments.Color = -1;
    return false;
}

std::int32_t cCommonDialog::CustomColor(std::int16_t i) {
    if (!CustomColorsLoaded) {
        LoadDefaultCustomColors();
    }
    if (i < 0 || i >= static_cast<std::int16_t>(kCustomColorCount)) {
        return -1;
    }
    return CustomColors[static_cast<std::size_t>(i)];
}

void cCommonDialog::CustomColor(std::int16_t i, std::int32_t iValue) {
    if (!CustomColorsLoaded) {
        LoadDefaultCustomColors();
    }
    if (i >= 0 && i < static_cast<std::int16_t>(kCustomColorCount)) {
        CustomColors[static_cast<std::size_t>(i)] = iValue;
    }
}

void cCommonDialog::LoadDefaultCustomColors() {
    for (std::size_t k = 0; k < kCustomColorCount; ++k) {
        CustomColors[k] = platform_.GetSysColor(static_cast<std::int32_t>(k));
    }
    CustomColorsLoaded = true;
}

bool cCommonDialog::VBChooseFont(FontObject& CurFont, ChooseFontArguments& arguments) {
    apiReturn_ = 0;
    extendedError_ = 0;
    if (host_ == nullptr) {
        runtime::raise(ErrorNumber::InvalidProcedureCall, "the font dialog needs host services");
    }

    if (arguments.PrinterDC == -1) {
        arguments.PrinterDC = 0;
        if ((arguments.flags & CF_PRINTERFONTS) != 0) {
            arguments.PrinterDC = host_->CurrentPrinterDC();
        }
    } else {
        arguments.flags |= CF_PRINTERFONTS;
    }
    if ((arguments.flags & CF_PRINTERFONTS) == 0) {
        arguments.flags |= CF_SCREENFONTS;
    }
    if (arguments.Color != 0) {
        arguments.flags |= CF_EFFECTS;
    }
    if (arguments.MinSize != 0 || arguments.MaxSize != 0) {
        arguments.flags |= CF_LIMITSIZE;
    }
    arguments.flags = (arguments.flags & ~(CF_ENABLEHOOK | CF_ENABLETEMPLATE | CF_APPLY)) |
                      CF_INITTOLOGFONTSTRUCT;

    constexpr double kTwipsPerPoint = 20.0;
    LOGFONT logFont;
    logFont.lfHeight =
        runtime::roundToInt32(-(CurFont.Size() * kTwipsPerPoint / host_->TwipsPerPixelY()));
    logFont.lfWeight = CurFont.Weight();
    logFont.lfItalic = CurFont.Italic() ? 0xFF : 0;
    logFont.lfUnderline = CurFont.Underline() ? 0xFF : 0;
    logFont.lfStrikeOut = CurFont.Strikethrough() ? 0xFF : 0;
    logFont.lfFaceName = TextToFaceName(CurFont.Name());

    CHOOSEFONT record;
    record.lStructSize = CHOOSEFONT::kSize;
    if (arguments.Owner != kNoOwner) {
        record.hwndOwner = arguments.Owner;
    }
    record.hDC = arguments.PrinterDC;
    record.lpLogFont = &logFont;
    record.iPointSize = runtime::roundToInt32(CurFont.Size() * 10.0);
    record.Flags = arguments.flags;
    record.rgbColors = arguments.Color;
    record.nSizeMin = arguments.MinSize;
    record.nSizeMax = arguments.MaxSize;

    apiReturn_ = platform_.ChooseFont(record);
    if (apiReturn_ == kDialogAccepted) {
        arguments.flags = record.Flags;
        arguments.Color = record.rgbColors;
        CurFont.setBold((record.nFontType & BOLD_FONTTYPE) != 0);
        CurFont.setItalic(logFont.lfItalic != 0);
        CurFont.setStrikethrough(logFont.lfStrikeOut != 0);
        CurFont.setUnderline(logFont.lfUnderline != 0);
        CurFont.setWeight(runtime::toInt16(logFont.lfWeight));
        CurFont.setSize(record.iPointSize / 10.0);
        CurFont.setName(FaceNameToText(logFont.lfFaceName));
        return true;
    }
    if (apiReturn_ != kDialogCancelled) {
        extendedError_ = platform_.CommDlgExtendedError();
    }
    return false;
}

// The steps that the open and save dialogs share: everything is prepared (and may raise) before the
// platform is called, and the arguments are written only after it returns.
bool cCommonDialog::runFileDialog(FileDialogArguments& arguments, std::int32_t Flags,
                                  FileDialogCall call, std::int32_t noFilterIndex) {
    apiReturn_ = 0;
    extendedError_ = 0;

    OPENFILENAME record;
    record.lStructSize = OPENFILENAME::kSize;
    record.Flags = Flags;
    if (arguments.Owner != kNoOwner) {
        record.hwndOwner = arguments.Owner;
    }
    record.lpstrInitialDir = absentIfEmpty(arguments.InitDir);
    record.lpstrDefExt = absentIfEmpty(arguments.DefaultExt);
    record.lpstrTitle = absentIfEmpty(arguments.DlgTitle);
    const std::string filterList = BuildNulFilter(arguments.Filter);
    record.lpstrFilter = filterList;
    record.nFilterIndex = arguments.FilterIndex;
    record.lpstrFile = fileBuffer(arguments.Filename, "Filename");
    record.nMaxFile = kFileBufferSize;
    record.lpstrFileTitle = fileBuffer(arguments.FileTitle, "FileTitle");
    record.nMaxFileTitle = kFileBufferSize;

    apiReturn_ = (platform_.*call)(record);

    if (apiReturn_ == kDialogAccepted) {
        arguments.Filename = CutAtNul(record.lpstrFile.value_or(std::string()));
        arguments.FileTitle = CutAtNul(record.lpstrFileTitle.value_or(std::string()));
        arguments.flags = record.Flags;
        arguments.FilterIndex = record.nFilterIndex;
        arguments.Filter = SelectedFilterEntry(filterList, record.nFilterIndex);
        return true;
    }
    if (apiReturn_ != kDialogCancelled) {
        extendedError_ = platform_.CommDlgExtendedError();
    }
    arguments.Filename.clear();
    arguments.FileTitle.clear();
    arguments.flags = 0;
    arguments.FilterIndex = noFilterIndex;
    arguments.Filter.clear();
    return false;
}

// Every "|" or ":" of the text becomes a NUL, and two NULs end the list. The walk counts
// characters in 16 bits, so a filter of 32,767 characters or more is an overflow.
std::string cCommonDialog::BuildNulFilter(const std::string& Filter) {
    std::string list;
    list.reserve(Filter.size() + 2);
    std::int16_t characters = 0;
    for (const char c : Filter) {
        if (startsCharacter(c)) {
            runtime::checkedIncrement(characters);
        }
        list.push_back(c == '|' || c == ':' ? '\0' : c);
    }
    // The walk's counter steps once past the last character as the walk ends.
    if (characters > 0) {
        runtime::checkedIncrement(characters);
    }
    list.append(2, '\0');
    return list;
}

std::string cCommonDialog::CutAtNul(const std::string& text) {
    return text.substr(0, text.find('\0'));
}

// Entry n of a NUL-separated filter list, counted from 1, as its description, one NUL and its
// pattern. An index outside the list's entries gives the empty text.
std::string cCommonDialog::SelectedFilterEntry(const std::string& list, std::int32_t n) {
    if (n < 1) {
        return {};
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t a = list.find('\0', start);
        if (a == std::string::npos) {
            return {};
        }
        const std::size_t b = list.find('\0', a + 1);
        if (b == std::string::npos) {
            // Past the last entry: only the list's final NUL is left.
            return {};
        }
        if (n == 1) {
            return list.substr(start, b - start);
        }
        --n;
        start = b + 1;
    }
}

}  // namespace commondialog
