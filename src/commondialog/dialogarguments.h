#pragma once

#include <cstdint>
#include <string>

#include "commondialog/dialogconstants.h"

// The in/out arguments of cCommonDialog's dialog methods, one struct per method with its members in
// the method's argument order and at their defaults. A caller sets the members it needs, passes the
// struct by reference and reads the outputs from it afterwards. An empty optional text (one without
// a default) reaches the platform as an absent text.
namespace commondialog {

struct OpenFileArguments {
    // In: the name the dialog starts with. Out: the chosen path, or empty.
    std::string Filename;
    // Out: the chosen file's title, or empty.
    std::string FileTitle;
    bool FileMustExist = true;
    bool MultiSelect = false;
    // Out: set to true (never to false) when the returned flags carry OFN_READONLY.
    bool ReadOnly = false;
    bool HideReadOnly = false;
    // In: description and pattern pairs, each part ended by "|" or ":". Out: the selected entry as
    // description, NUL, pattern; or empty.
    std::string Filter = "All (*.*)| *.*";
    // In: the entry to preselect, from 1. Out: the entry the user ended with, or -1.
    std::int32_t FilterIndex = 1;
    std::string InitDir;
    std::string DlgTitle;
    std::string DefaultExt;
    std::int32_t Owner = kNoOwner;
    // In: further OFN_ flags (the hook and template bits are dropped). Out: the returned flags, or
    // 0.
    std::int32_t flags = 0;
};

struct SaveFileArguments {
    // In: the name the dialog starts with. Out: the chosen path, or empty.
    std::string Filename;
    // Out: the chosen file's title, or empty.
    std::string FileTitle;
    bool OverWritePrompt = true;
    // As for the open dialog.
    std::string Filter = "All (*.*)| *.*";
    // In: the entry to preselect, from 1. Out: the entry the user ended with, or 0.
    std::int32_t FilterIndex = 1;
    std::string InitDir;
    std::string DlgTitle;
    std::string DefaultExt;
    std::int32_t Owner = kNoOwner;
    // In: further OFN_ flags (the hook and template bits are dropped). Out: the returned flags, or
    // 0.
    std::int32_t flags = 0;
};

struct ChooseColorArguments {
    // In: the colour the dialog starts with (0x00BBGGRR). Out: the chosen colour, or -1.
    std::int32_t Color = 0;
    // True lets the user pick any colour, false solid colours only.
    bool AnyColor = true;
    bool FullOpen = false;
    bool DisableFullOpen = false;
    std::int32_t Owner = kNoOwner;
    // Accepted and not used.
    std::int32_t flags = 0;
};

// The font dialog's arguments after the font object itself.
struct ChooseFontArguments {
    // A printer device context whose fonts to list; -1 for none. Rewritten before the dialog.
    std::int32_t PrinterDC = -1;
    std::int32_t Owner = kNoOwner;
    // In: the text colour. Out: the chosen one.
    std::int32_t Color = 0;
    // Size limits in points; 0 is no limit.
    std::int32_t MinSize = 0;
    std::int32_t MaxSize = 0;
    // CF_ flags. Rewritten before the dialog and, when it is accepted, to the returned flags.
    std::int32_t flags = 0;
};

}  // namespace commondialog
