#pragma once

#include <cstdint>
#include <string>

#include "commondialog/dialogrecords.h"
#include "platform/dialogoutcome.h"

namespace platform {

enum class FileDialogKind { Open, Save };

// The open- and save-file dialogs on QFileDialog, driven by an OPENFILENAME record.
//
// The NUL-separated filter pairs become the dialog's name filters (a pattern list separated by ";",
// a trailing ".*" also matching names without an extension) with pair nFilterIndex selected;
// lpstrInitialDir, lpstrTitle and lpstrDefExt set the start folder, caption and default suffix;
// the name in lpstrFile is preselected. OFN_FILEMUSTEXIST allows only existing files,
// OFN_ALLOWMULTISELECT several of them, OFN_OVERWRITEPROMPT asks before a save overwrites a file.
// An open dialog without OFN_HIDEREADONLY shows a read-only box, ticked for OFN_READONLY.
//
// An accepted dialog writes the chosen path (for several files: the folder, then each name, each
// ended by a NUL) into lpstrFile, the file's name into lpstrFileTitle, the offsets of the name and
// of its extension, Flags (OFN_READONLY as the box was left) and nFilterIndex. A path or title that
// does not fit its buffer fails with FNERR_BUFFERTOOSMALL and writes nothing.
DialogOutcome showFileDialog(commondialog::OPENFILENAME& record, FileDialogKind kind);

// The title of a file is the last component of its path. Writes it, NUL-terminated, to the start
// of `buffer` and returns 0; returns the size it needs when it does not fit in `size` bytes, and -1
// when the path ends in no name ("", a folder ending in "/", "." or "..").
std::int16_t writeFileTitle(const std::string& path, std::string& buffer, std::uint16_t size);

}  // namespace platform
