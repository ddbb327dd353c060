#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>

#include "bootfont/bootfonterror.h"

namespace bootfont {

// Reads little-endian values straight through a byte block, field after field. The block is
// sized by the caller to the structure it holds; reading past its end is a programming error
// and raises the library's error rather than touching foreign memory.
class ByteCursor {
public:
    explicit ByteCursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint8_t u8() { return *take(1); }
    std::int32_t i32le();

    // A field of bytes (a byte, an array of bytes) as the block holds them.
    template <typename Field>
    requires std::is_trivially_copyable_v<Field>
    void copyTo(Field& out) { std::memcpy(&out, take(sizeof out), sizeof out); }

    std::size_t position() const noexcept { return position_; }

private:
    // The next `count` bytes; inline, as records are decoded thousands at a time.
    const std::uint8_t* take(std::size_t count) {
        if (count > bytes_.size() - position_) {
            refuse("ByteCursor: read past the end of its block");
        }
        const std::uint8_t* part = bytes_.data() + position_;
        position_ += count;
        return part;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace bootfont
