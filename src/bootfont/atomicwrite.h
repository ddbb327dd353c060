#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "bootfont/bootfonterror.h"

namespace bootfont {

// A write that failed: the format library's error, with the system's error number (errno) too,
// for a caller that names the cause in its own language (ENOSPC, EACCES, EROFS, ENOENT, ...).
class FileWriteError : public BootFontError {
public:
    FileWriteError(runtime::ErrorNumber number, std::string reason, std::string detail,
                   int systemError)
        : BootFontError(number, std::move(reason), std::move(detail)), systemError_(systemError) {}

    int systemError() const noexcept { return systemError_; }

private:
    int systemError_;
};

// Writes `bytes` to the file at `path` whole or not at all: into a temporary file in the same
// folder, flushed to the disk, then renamed over `path`, so no reader ever sees half a file. On
// any failure the file at `path` keeps its bytes and no temporary file is left. An existing file
// keeps its permission bits; a new one gets those of any new file (0666 less the umask).
//
// Raises FileWriteError with the cause as reason(): "cannot create a file in its folder: No such
// file or directory" (the path/file access error) when the temporary file cannot be made, else
// the system's text for what failed ("No space left on device": the device I/O error for the
// write and the flush, the path/file access error for the rename). detail() names the path too.
void writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace bootfont
