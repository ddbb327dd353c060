#include "platform/devicemodeblock.h"

#include <QPageSize>
#include <QPrinter>

#include <algorithm>

#include "commondialog/devicemode.h"
#include "commondialog/facename.h"

namespace platform {
namespace {

namespace devmode = commondialog::devmode;

constexpr std::int16_t kSpecVersion = 0x0401;
constexpr std::int16_t DMORIENT_PORTRAIT = 1;
constexpr std::int16_t DMORIENT_LANDSCAPE = 2;
constexpr std::int16_t DMPAPER_USER = 256;
constexpr std::int16_t DMCOLOR_MONOCHROME = 1;
constexpr std::int16_t DMCOLOR_COLOR = 2;
constexpr std::size_t kDeviceNameSize = 32;

void write16(std::vector<std::uint8_t>& block, std::size_t offset, std::int32_t value) {
    const auto narrow =
        static_cast<std::int16_t>(std::clamp<std::int32_t>(value, INT16_MIN, INT16_MAX));
    block[offset] = static_cast<std::uint8_t>(narrow & 0xFF);
    block[offset + 1] = static_cast<std::uint8_t>((narrow >> 8) & 0xFF);
}

void write32(std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        block[offset + i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
    }
}

}  // namespace

std::vector<std::uint8_t> deviceModeBlock(const QPrinter& printer) {
    std::vector<std::uint8_t> block(devmode::kBlockSize, 0);
    // The name field follows the same rule as a face name: cut at a character, NUL-terminated.
    const auto name = commondialog::TextToFaceName(printer.printerName().toStdString());
    std::copy_n(name.begin(), kDeviceNameSize, block.begin() + devmode::dmDeviceName);
    write16(block, devmode::dmSpecVersion, kSpecVersion);
    write16(block, devmode::dmSize, static_cast<std::int32_t>(devmode::kBlockSize));
    write32(block, devmode::dmFields,
            devmode::DM_ORIENTATION | devmode::DM_PAPERSIZE | devmode::DM_COPIES |
                devmode::DM_PRINTQUALITY | devmode::DM_COLOR | devmode::DM_YRESOLUTION |
                devmode::DM_COLLATE);
    const QPageLayout layout = printer.pageLayout();
    write16(
        block, devmode::dmOrientation,
        layout.orientation() == QPageLayout::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT);
    const int paper = layout.pageSize().windowsId();
    write16(block, devmode::dmPaperSize, paper != 0 ? paper : DMPAPER_USER);
    write16(block, devmode::dmCopies, printer.copyCount());
    write16(block, devmode::dmPrintQuality, printer.resolution());
    write16(block, devmode::dmColor,
            printer.colorMode() == QPrinter::Color ? DMCOLOR_COLOR : DMCOLOR_MONOCHROME);
    write16(block, devmode::dmYResolution, printer.resolution());
    write16(block, devmode::dmCollate, printer.collateCopies() ? 1 : 0);
    return block;
}

}  // namespace platform
