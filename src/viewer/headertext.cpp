#include "viewer/headertext.h"

#include "bootfont/languages.h"
#include "runtime/numbertext.h"

namespace viewer {

std::string leadByteText(const bootfont::LeadTable& table) {
    std::string text;
    for (const std::uint8_t byte : table) {
        text += ' ';
        text += runtime::hexText(byte);
    }
    return text;
}

std::array<std::string, kHeaderTextCount> headerTexts(const bootfont::BootFontHeader& header) {
    // The boxes show the fields after the signature, in the header's order.
    static_assert(bootfont::kHeaderFields.size() == kHeaderTextCount + 1);
    std::array<std::string, kHeaderTextCount> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const bootfont::HeaderField& field = bootfont::kHeaderFields[i + 1];
        if (bootfont::isField(field, &bootfont::BootFontHeader::LanguageId)) {
            texts[i] = bootfont::windowLanguageText(header.LanguageId);
        } else if (bootfont::isField(field, &bootfont::BootFontHeader::DbcsLeadTable)) {
            texts[i] = leadByteText(header.DbcsLeadTable);
        } else {
            texts[i] = runtime::decimalText(bootfont::fieldNumber(header, field));
        }
    }
    return texts;
}

}  // namespace viewer
