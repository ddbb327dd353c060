#include "bootfont/bootfontrecords.h"

namespace bootfont {

BootFontHeader decodeHeader(std::span<const std::uint8_t, kHeaderSize> bytes) {
    ByteCursor in(bytes);
    BootFontHeader header;
    header.Signature = in.i32le();
    header.LanguageId = in.i32le();
    header.NumSbcsChars = in.i32le();
    header.NumDbcsChars = in.i32le();
    header.SbcsOffset = in.i32le();
    header.DbcsOffset = in.i32le();
    header.SbcsEntriesTotalSize = in.i32le();
    header.DbcsEntriesTotalSize = in.i32le();
    in.copyTo(header.DbcsLeadTable);
    header.CharacterImageHeight = in.u8();
    header.CharacterTopPad = in.u8();
    header.CharacterBottomPad = in.u8();
    header.CharacterImageSbcsWidth = in.u8();
    header.CharacterImageDbcsWidth = in.u8();
    return header;
}

std::size_t recordStride(GlyphTable table, std::int32_t count, std::int32_t dataLength) {
    const bool sbcs = table == GlyphTable::Sbcs;
    const std::size_t fixed = sbcs ? kSbcsRecordSize : kDbcsRecordSize;
    if (count < 1 || dataLength < 1 || dataLength % count != 0) {
        return fixed;
    }
    const auto stride = static_cast<std::size_t>(dataLength / count);
    const std::size_t least = sbcs ? kMinSbcsStride : kMinDbcsStride;
    const std::size_t most = sbcs ? kMaxSbcsStride : kMaxDbcsStride;
    return stride >= least && stride <= most ? stride : fixed;
}

}  // namespace bootfont
