#include "fontio/bdfwriter.h"

#include <algorithm>
#include <sstream>

#include "bootfont/bootfontrecords.h"
#include "bootfont/hexglyphline.h"
#include "runtime/numbertext.h"

namespace fontio {
namespace {

constexpr int kRows = static_cast<int>(bootfont::kGlyphRows);

// Appends the hex digits of a bitmap row: whole fonts are thousands of glyphs of 16 rows.
void appendRow(std::string& out, const ExportGlyph& glyph, int row) {
    const int bytes = glyph.width / 8;
    for (int b = 0; b < bytes; ++b) {
        runtime::appendHexByte(out, glyph.bitmap[static_cast<std::size_t>(row * bytes + b)]);
    }
}

}  // namespace

std::pair<std::string, std::string> bdfNativeCharset(std::optional<int> codePage) {
    if (!codePage) {
        return {"BOOTFONT", "NATIVE"};
    }
    switch (*codePage) {
        case 936:
            return {"GBK", "0"};
        case 950:
            return {"BIG5", "0"};
        case 932:
        case 949:
            return {"MICROSOFT", "CP" + std::to_string(*codePage)};
        default:
            return {"IBM", "CP" + std::to_string(*codePage)};
    }
}

std::string bdfText(const BdfFont& font, std::span<const ExportGlyph> glyphs) {
    const int below = bootfont::kRowsBelowBaseline;
    const int ascent = std::max(0, font.topPad + font.height - below);
    const int descent = font.bottomPad + below;
    const std::string xlfd = "-BootFont-BootFont-Medium-R-Normal--16-160-75-75-C-80-" +
                             font.registry + "-" + font.encoding;
    std::ostringstream out;
    out << "STARTFONT 2.1\nFONT " << xlfd << "\nSIZE 16 75 75\nFONTBOUNDINGBOX 16 16 0 " << -below
        << "\nSTARTPROPERTIES 16\n"
        << "FOUNDRY \"BootFont\"\nFAMILY_NAME \"BootFont\"\nWEIGHT_NAME \"Medium\"\n"
        << "SLANT \"R\"\nSETWIDTH_NAME \"Normal\"\nADD_STYLE_NAME \"\"\nPIXEL_SIZE 16\n"
        << "POINT_SIZE 160\nRESOLUTION_X 75\nRESOLUTION_Y 75\nSPACING \"C\"\nAVERAGE_WIDTH 80\n"
        << "CHARSET_REGISTRY \"" << font.registry << "\"\nCHARSET_ENCODING \"" << font.encoding
        << "\"\n"
        << "FONT_ASCENT " << ascent << "\nFONT_DESCENT " << descent << "\nENDPROPERTIES\n"
        << "CHARS " << glyphs.size() << '\n';
    std::string text = out.str();
    text.reserve(text.size() + glyphs.size() * 200);
    const std::string bbx = " " + std::to_string(kRows) + " 0 " + std::to_string(-below);
    for (const ExportGlyph& glyph : glyphs) {
        const std::string width = std::to_string(glyph.width);
        text += "STARTCHAR ";
        text += font.native ? runtime::hexCode(glyph.key, glyph.codeDigits)
                            : runtime::codePointText(glyph.key);
        text += "\nENCODING " + std::to_string(glyph.key);
        text += "\nSWIDTH " + std::to_string(glyph.width * 1000 / 16) + " 0\nDWIDTH " + width;
        text += " 0\nBBX " + width + bbx + "\nBITMAP\n";
        for (int row = 0; row < kRows; ++row) {
            appendRow(text, glyph, row);
            text += '\n';
        }
        text += "ENDCHAR\n";
    }
    text += "ENDFONT\n";
    return text;
}

std::string unifontHexText(std::span<const ExportGlyph> glyphs) {
    std::string out;
    out.reserve(glyphs.size() * 70);
    for (const ExportGlyph& glyph : glyphs) {
        const auto bytes = static_cast<std::size_t>(kRows * (glyph.width / 8));
        bootfont::appendHexGlyphLine(out, glyph.key, glyph.bitmap.first(bytes));
        out += '\n';
    }
    return out;
}

}  // namespace fontio
