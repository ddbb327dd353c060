#pragma once

#include <sys/mman.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// What the fuzz targets share: the input as a file, and findings no sanitizer would see.
namespace fuzzing {

// The bytes as a file: an anonymous in-memory file of the process, opened by its /proc/self/fd
// path like any regular file, rewritten for each input. Nothing is left on disk, not even after a
// crash.
inline std::filesystem::path writeInput(const std::uint8_t* data, std::size_t size) {
    static const int fd = ::memfd_create("fuzz-input", MFD_CLOEXEC);
    const std::filesystem::path path = "/proc/self/fd/" + std::to_string(fd);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

// Reports a broken promise and stops, so libFuzzer keeps the input.
inline void expect(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz target: %s\n", what);
        std::abort();
    }
}

}  // namespace fuzzing
