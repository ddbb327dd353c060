#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The platform's device-mode block (DEVMODE, narrow-text form) that the print and page-setup
// dialogs return: 156 bytes, of which the dialogs keep the first 122 and read five signed 16-bit
// little-endian fields. The offsets are the block's own.
namespace commondialog::devmode {

inline constexpr std::size_t kBlockSize = 156;
inline constexpr std::size_t kKeptSize = 122;
using KeptBytes = std::array<std::uint8_t, kKeptSize>;

inline constexpr std::size_t dmDeviceName = 0;  // 32 bytes
inline constexpr std::size_t dmSpecVersion = 32;
inline constexpr std::size_t dmSize = 36;
inline constexpr std::size_t dmFields = 40;  // 32 bits
inline constexpr std::size_t dmOrientation = 44;
inline constexpr std::size_t dmPaperSize = 46;
inline constexpr std::size_t dmCopies = 54;
inline constexpr std::size_t dmPrintQuality = 58;
inline constexpr std::size_t dmColor = 60;
inline constexpr std::size_t dmYResolution = 64;
inline constexpr std::size_t dmCollate = 68;

// The bits of dmFields that say which fields hold a value.
inline constexpr std::uint32_t DM_ORIENTATION = 0x1;
inline constexpr std::uint32_t DM_PAPERSIZE = 0x2;
inline constexpr std::uint32_t DM_COPIES = 0x100;
inline constexpr std::uint32_t DM_PRINTQUALITY = 0x400;
inline constexpr std::uint32_t DM_COLOR = 0x800;
inline constexpr std::uint32_t DM_YRESOLUTION = 0x2000;
inline constexpr std::uint32_t DM_COLLATE = 0x8000;

inline std::int16_t readField(std::span<const std::uint8_t, kKeptSize> bytes, std::size_t offset) {
    return static_cast<std::int16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

}  // namespace commondialog::devmode
