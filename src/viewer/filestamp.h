#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace viewer {

// What the system says of a file that changes when another program writes or replaces it: its
// device and inode (a file renamed over it), size and modification time in nanoseconds.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modified = 0;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the file at `path`; none when the system cannot say (no such file).
std::optional<FileStamp> fileStamp(const std::filesystem::path& path);

}  // namespace viewer
