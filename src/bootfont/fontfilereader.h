#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace bootfont {

// A font file opened for reading bytes from any position. Only regular files are opened, so a
// directory, FIFO or device never blocks or feeds the loader endless data. The part of a read
// that lies past the end of the file comes back as zero bytes, which is how a short or damaged
// file reads. Reads go through one block buffer, so a table of small records costs a few system
// calls, not one per record. The file is closed by close() or, at the latest, by the destructor.
class FontFileReader {
public:
    // Raises the runtime's "file not found" for a missing path and its path/file access error for
    // anything else that cannot be opened as a regular file.
    explicit FontFileReader(const std::filesystem::path& path);
    ~FontFileReader();

    FontFileReader(const FontFileReader&) = delete;
    FontFileReader& operator=(const FontFileReader&) = delete;

    void close() noexcept;
    bool isOpen() const noexcept { return fd_ >= 0; }
    // The file's length in bytes when it was opened.
    std::int64_t size() const noexcept { return size_; }

    // Every byte of the file from its start, in one vector. Raises the device I/O error when the
    // system fails a read.
    std::vector<std::uint8_t> readAll();

    // The next read starts `offset` bytes from the start of the file (0 is the first byte).
    void seek(std::int64_t offset);

    // The next `size` bytes of the file, and the position moves past them; the part past the end
    // of the file reads as zeros. The view is valid until the next call. Raises the device I/O
    // error when the system fails a read.
    std::span<const std::uint8_t> next(std::size_t size) {
        // Fast path: the bytes lie wholly in the current block, as nearly every record's do.
        const std::int64_t skip = position_ - bufferStart_;
        if (skip >= 0 && static_cast<std::size_t>(skip) + size <= bufferLength_) {
            position_ += static_cast<std::int64_t>(size);
            return {buffer_.data() + skip, size};
        }
        return nextSlow(size);
    }

    template <std::size_t N>
    std::span<const std::uint8_t, N> next() {
        return std::span<const std::uint8_t, N>(next(N).data(), N);
    }

private:
    std::span<const std::uint8_t> nextSlow(std::size_t size);
    void fillBufferAt(std::int64_t offset);

    int fd_ = -1;
    std::int64_t size_ = 0;
    std::int64_t position_ = 0;
    std::vector<std::uint8_t> buffer_;
    std::int64_t bufferStart_ = 0;
    std::size_t bufferLength_ = 0;
    // Bytes of a request that crosses a block boundary or the end of the file.
    std::vector<std::uint8_t> assembled_;
};

}  // namespace bootfont
