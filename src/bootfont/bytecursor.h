#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>

namespace bootfont {

// Reads little-endian values straight through a byte block, field after field. The block is
// sized by the caller to the structure it holds; reading past its end is a programming error
// and throws std::out_of_range rather than touching foreign memory.
class ByteCursor {
public:
    explicit ByteCursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint8_t u8() { return *take(1); }
    std::int32_t i32le();

    template <std::size_t N>
    void copyTo(std::array<std::uint8_t, N>& out) {
        std::memcpy(out.data(), take(N), N);
    }

    std::size_t position() const noexcept { return position_; }

private:
    // The next `count` bytes; inline, as records are decoded thousands at a time.
    const std::uint8_t* take(std::size_t count) {
        if (count > bytes_.size() - position_) {
            throw std::out_of_range("ByteCursor: read past the end of its block");
        }
        const std::uint8_t* part = bytes_.data() + position_;
        position_ += count;
        return part;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace bootfont
