#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "bootfont/bootfonterror.h"

namespace bootfont {

// A file's bytes held in memory, read as FontFileReader reads the file itself: from any position,
// with zeros for the part of a read that lies past the end. So the loaders read an opened file's
// bytes exactly as they read the file.
class MemoryFileReader {
public:
    explicit MemoryFileReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::int64_t size() const noexcept { return static_cast<std::int64_t>(bytes_.size()); }

    void seek(std::int64_t offset) {
        if (offset < 0) {
            refuse("negative file offset");
        }
        position_ = offset;
    }

    // The next `size` bytes (at most the largest record or the header), zeros past the end; the
    // view is valid until the next call.
    std::span<const std::uint8_t> next(std::size_t size) {
        const std::int64_t start = position_;
        position_ += static_cast<std::int64_t>(size);
        if (position_ <= this->size()) {
            return bytes_.subspan(static_cast<std::size_t>(start), size);
        }
        if (size > padded_.size()) {
            refuse("a read larger than a record");
        }
        padded_.fill(0);
        if (start < this->size()) {
            std::copy(bytes_.begin() + static_cast<std::ptrdiff_t>(start), bytes_.end(),
                      padded_.begin());
        }
        return std::span<const std::uint8_t>(padded_).first(size);
    }

    template <std::size_t N>
    std::span<const std::uint8_t, N> next() {
        return std::span<const std::uint8_t, N>(next(N).data(), N);
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::int64_t position_ = 0;
    std::array<std::uint8_t, 256> padded_{};  // a read that reaches past the end
};

}  // namespace bootfont
