#include "viewer/headertext.h"

#include "runtime/checkedint.h"
#include "runtime/numbertext.h"

namespace viewer {

std::string languageText(std::int32_t languageId) {
    switch (languageId) {
        case 0x404:
            return "Chinese (Taiwan)";
        case 0x407:
            return "German (Standard)";
        case 0x40C:
            return "French (Standard)";
        case 0x411:
            return "Japanese";
        case 0x412:
            return "Korean";
        case 0x419:
            return "Russian";
        case 0x804:
            return "Chinese (PRC)";
        default:
            return "0x" + runtime::hexText(languageId);
    }
}

std::string leadByteText(const std::array<std::uint8_t, bootfont::kDbcsLeadTableSize>& table) {
    std::string text;
    for (const std::uint8_t byte : table) {
        text += ' ';
        text += runtime::hexText(byte);
    }
    return text;
}

std::array<std::string, kHeaderTextCount> headerTexts(const bootfont::BootFontHeader& header) {
    using runtime::decimalText;
    return {
        languageText(header.LanguageId),
        decimalText(header.NumSbcsChars),
        decimalText(header.NumDbcsChars),
        decimalText(header.SbcsOffset),
        decimalText(header.DbcsOffset),
        decimalText(header.SbcsEntriesTotalSize),
        decimalText(header.DbcsEntriesTotalSize),
        leadByteText(header.DbcsLeadTable),
        decimalText(header.CharacterImageHeight),
        decimalText(header.CharacterTopPad),
        decimalText(header.CharacterBottomPad),
        decimalText(header.CharacterImageSbcsWidth),
        decimalText(header.CharacterImageDbcsWidth),
    };
}

std::int16_t dbcsPageCount(std::int32_t numDbcsChars) {
    if (numDbcsChars <= 0) {
        return 0;
    }
    // Rounded up in 64 bits, so the sum cannot wrap before the range check.
    return runtime::toInt16((std::int64_t{numDbcsChars} + kGlyphsPerPage - 1) / kGlyphsPerPage);
}

std::int16_t dbcsPageNumber(std::int16_t pageStart) {
    return runtime::roundToInt16(static_cast<double>(pageStart) / kGlyphsPerPage + 1);
}

std::string pageIndicatorText(std::int16_t pageNumber, std::int16_t pageCount) {
    return "第 " + runtime::decimalText(pageNumber) + " / " + runtime::decimalText(pageCount) +
           " 页";
}

std::string afterLoadPageIndicatorText(std::int32_t numDbcsChars) {
    const std::int16_t pageCount = dbcsPageCount(numDbcsChars);
    return pageIndicatorText(pageCount > 0 ? dbcsPageNumber(0) : 0, pageCount);
}

}  // namespace viewer
