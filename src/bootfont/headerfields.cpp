#include "bootfont/headerfields.h"

#include <algorithm>
#include <type_traits>

#include "bootfont/bytecursor.h"

namespace bootfont {
namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// clang 14 does not deduce an aggregate's arguments without it.
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace

std::int64_t fieldNumber(const BootFontHeader& header, const HeaderField& field) {
    return std::visit(
        [&header](auto member) -> std::int64_t {
            using Value = std::remove_cvref_t<decltype(header.*member)>;
            if constexpr (std::is_integral_v<Value>) {
                return header.*member;
            } else {
                return 0;  // the lead table is bytes, not a number
            }
        },
        field.member);
}

BootFontHeader decodeHeader(std::span<const std::uint8_t, kHeaderSize> bytes) {
    ByteCursor in(bytes);
    BootFontHeader header;
    for (const HeaderField& field : kHeaderFields) {
        std::visit(Overloaded{
                       [&](std::int32_t BootFontHeader::*m) { header.*m = in.i32le(); },
                       [&](LeadTable BootFontHeader::*m) { in.copyTo(header.*m); },
                       [&](std::uint8_t BootFontHeader::*m) { header.*m = in.u8(); },
                   },
                   field.member);
    }
    return header;
}

bool hasBootFontSignature(std::span<const std::uint8_t> bytes) {
    std::array<std::uint8_t, kHeaderSize> header{};  // zeros after a file shorter than the header
    std::copy_n(bytes.begin(), std::min(bytes.size(), header.size()), header.begin());
    return hasBootFontSignature(decodeHeader(header));
}

std::array<std::uint8_t, kHeaderSize> encodeHeader(const BootFontHeader& header) {
    std::array<std::uint8_t, kHeaderSize> bytes{};
    for (const HeaderField& field : kHeaderFields) {
        std::uint8_t* out = bytes.data() + field.offset;
        std::visit(Overloaded{
                       [&](std::int32_t BootFontHeader::*m) {
                           const auto bits = static_cast<std::uint32_t>(header.*m);
                           for (std::size_t i = 0; i < 4; ++i) {
                               out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
                           }
                       },
                       [&](LeadTable BootFontHeader::*m) {
                           std::copy((header.*m).begin(), (header.*m).end(), out);
                       },
                       [&](std::uint8_t BootFontHeader::*m) { *out = header.*m; },
                   },
                   field.member);
    }
    return bytes;
}

}  // namespace bootfont
