// bootfont export FILE -o OUT.bdf|OUT.hex [--native]: the glyphs as a BDF 2.1 or Unifont .hex
// font, the formats bitmap font editors (FontForge, gbdfed) and FreeType read.
#include <CLI/App.hpp>
#include <CLI/Validators.hpp>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <sstream>

#include "cli/commands.h"
#include "cli/fontglyphs.h"
#include "cli/fontinput.h"
#include "cli/outputfile.h"
#include "cli/presentation.h"
#include "runtime/numbertext.h"

namespace cli {
namespace {

using runtime::decimalText;

struct ExportOptions {
    std::string file;
    std::string out;
    std::string format;  // "bdf" or "hex"; empty: from OUT's extension
    bool native = false;
};

// A glyph under the number it is exported as: its Unicode value, or with --native its code.
struct KeyedGlyph {
    std::uint32_t key = 0;
    const GlyphEntry* glyph = nullptr;
};

// Every record has 16 rows; as in Unifont and the VGA text fonts, the lowest two of them hang
// below the baseline (each glyph's BBX is W 16 0 -2).
constexpr int kRows = 16;
constexpr int kRowsBelowBaseline = 2;

// Appends the hex digits of a bitmap row: whole fonts are thousands of glyphs of 16 rows.
void appendRow(std::string& out, const GlyphEntry& glyph, int row) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    const int bytes = glyph.width / 8;
    char digits[4];
    for (int b = 0; b < bytes; ++b) {
        const std::uint8_t value = glyph.bitmap[static_cast<std::size_t>(row * bytes + b)];
        digits[2 * b] = kDigits[value >> 4];
        digits[2 * b + 1] = kDigits[value & 0xF];
    }
    out.append(digits, static_cast<std::size_t>(2 * bytes));
}

// The X registry and encoding of a code page's native codes.
std::pair<std::string, std::string> nativeCharset(const bootfont::CodePage* codePage) {
    if (!codePage) {
        return {"BOOTFONT", "NATIVE"};
    }
    switch (const int number = codePage->number()) {
        case 936:
            return {"GBK", "0"};
        case 950:
            return {"BIG5", "0"};
        case 932:
        case 949:
            return {"MICROSOFT", "CP" + std::to_string(number)};
        default:
            return {"IBM", "CP" + std::to_string(number)};
    }
}

std::string bdfText(const bootfont::BootFontHeader& h, const std::vector<KeyedGlyph>& glyphs,
                    const ExportOptions& options, const bootfont::CodePage* codePage) {
    const auto [registry, encoding] = options.native
                                          ? nativeCharset(codePage)
                                          : std::pair<std::string, std::string>{"ISO10646", "1"};
    const int ascent = std::max(0, h.CharacterTopPad + h.CharacterImageHeight - kRowsBelowBaseline);
    const int descent = h.CharacterBottomPad + kRowsBelowBaseline;
    const std::string xlfd =
        "-BootFont-BootFont-Medium-R-Normal--16-160-75-75-C-80-" + registry + "-" + encoding;
    std::ostringstream out;
    out << "STARTFONT 2.1\nFONT " << xlfd << "\nSIZE 16 75 75\nFONTBOUNDINGBOX 16 16 0 "
        << -kRowsBelowBaseline << "\nSTARTPROPERTIES 16\n"
        << "FOUNDRY \"BootFont\"\nFAMILY_NAME \"BootFont\"\nWEIGHT_NAME \"Medium\"\n"
        << "SLANT \"R\"\nSETWIDTH_NAME \"Normal\"\nADD_STYLE_NAME \"\"\nPIXEL_SIZE 16\n"
        << "POINT_SIZE 160\nRESOLUTION_X 75\nRESOLUTION_Y 75\nSPACING \"C\"\nAVERAGE_WIDTH 80\n"
        << "CHARSET_REGISTRY \"" << registry << "\"\nCHARSET_ENCODING \"" << encoding << "\"\n"
        << "FONT_ASCENT " << ascent << "\nFONT_DESCENT " << descent << "\nENDPROPERTIES\n"
        << "CHARS " << glyphs.size() << '\n';
    std::string text = out.str();
    text.reserve(text.size() + glyphs.size() * 200);
    for (const auto& [key, glyph] : glyphs) {
        const std::string width = std::to_string(glyph->width);
        text += "STARTCHAR ";
        text += options.native ? hexCode(key, glyph->codeDigits()) : unicodeName(key);
        text += "\nENCODING " + std::to_string(key);
        text += "\nSWIDTH " + std::to_string(glyph->width * 1000 / 16) + " 0\nDWIDTH " + width;
        text += " 0\nBBX " + width + " 16 0 -2\nBITMAP\n";
        for (int row = 0; row < kRows; ++row) {
            appendRow(text, *glyph, row);
            text += '\n';
        }
        text += "ENDCHAR\n";
    }
    text += "ENDFONT\n";
    return text;
}

// Unifont's .hex: a line per glyph, its code point, a colon and its rows' hex digits.
std::string hexText(const std::vector<KeyedGlyph>& glyphs) {
    std::string out;
    out.reserve(glyphs.size() * 70);
    for (const auto& [key, glyph] : glyphs) {
        out += unicodeName(key).substr(2) + ':';
        for (int row = 0; row < kRows; ++row) {
            appendRow(out, *glyph, row);
        }
        out += '\n';
    }
    return out;
}

std::string formatOf(const ExportOptions& options) {
    if (!options.format.empty()) {
        return options.format;
    }
    std::string extension = std::filesystem::path(options.out).extension().string();
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".bdf" || extension == ".hex" ? extension.substr(1) : "";
}

int runExport(const ExportOptions& options) {
    const std::string format = formatOf(options);
    if (format.empty() || (format == "hex" && options.native)) {
        reportError(format.empty() ? options.out + ": name it .bdf or .hex, or give --format"
                                   : "--native is for BDF; .hex is keyed by Unicode");
        return kUsageOrUnreadable;
    }
    if (isSameFile(options.file, options.out)) {
        reportError(options.out + ": is the input file; choose another output");
        return kUsageOrUnreadable;
    }
    bootfont::WholeFont font;
    try {
        font = readFontInput(options.file);
    } catch (const InputError& error) {
        reportError(error.what());
        return kUsageOrUnreadable;
    }
    const std::string name = inputName(options.file);
    // A font with tables cut short would be exported without its missing glyphs, unnoticed.
    if (!font.hasSignature() || font.sbcs.cut() || font.dbcs.cut()) {
        reportError(name + ": " +
                    (font.hasSignature() ? "a glyph table runs past the end of the file"
                                         : "not a boot font (no signature)") +
                    "; bootfont check says more");
        return kFileHasErrors;
    }
    const auto codePage = fontCodePage(font.header);
    const auto entries = glyphEntries(font, codePage.get());
    std::vector<KeyedGlyph> glyphs;
    std::int64_t withoutUnicode = 0;
    for (const GlyphEntry& entry : entries) {
        if (options.native) {
            glyphs.push_back({entry.code, &entry});
        } else if (entry.unicode) {
            glyphs.push_back({*entry.unicode, &entry});
        } else {
            ++withoutUnicode;
        }
    }
    // Iterator pairs rather than std::ranges' subrange, which clang 14 cannot compile against
    // libstdc++ 12.
    std::stable_sort(glyphs.begin(), glyphs.end(),
                     [](const KeyedGlyph& a, const KeyedGlyph& b) { return a.key < b.key; });
    const auto repeats =
        std::unique(glyphs.begin(), glyphs.end(),
                    [](const KeyedGlyph& a, const KeyedGlyph& b) { return a.key == b.key; });
    const auto repeated = std::distance(repeats, glyphs.end());
    glyphs.erase(repeats, glyphs.end());
    if (withoutUnicode > 0) {
        reportError(name + ": " + decimalText(withoutUnicode) +
                    " glyphs have no Unicode value and are left out (--native keeps them)");
    }
    if (repeated > 0) {
        reportError(name + ": " + decimalText(repeated) + " glyphs repeat " +
                    (options.native ? "a code" : "a character") +
                    " of an earlier glyph and are left out");
    }
    if (glyphs.empty()) {
        reportError(name + ": no glyph to export");
        return kFileHasErrors;
    }
    const std::string text =
        format == "bdf" ? bdfText(font.header, glyphs, options, codePage.get()) : hexText(glyphs);
    try {
        writeOutputFile(options.out, text);
    } catch (const std::runtime_error& error) {
        reportError(error.what());
        return kUsageOrUnreadable;
    }
    return kSuccess;
}

}  // namespace

void addExportCommand(CLI::App& app, CommandAction& action) {
    auto options = std::make_shared<ExportOptions>();
    CLI::App* command = app.add_subcommand(
        "export",
        "Write the glyphs as a BDF 2.1 font (.bdf) or a GNU Unifont .hex file, keyed by Unicode; "
        "glyphs without a Unicode value are left out and counted on standard error");
    command->add_option("FILE", options->file, "the boot font, - for standard input")->required();
    command->add_option("-o,--output", options->out, "OUT.bdf or OUT.hex, - for standard output")
        ->required();
    command->add_option("--format", options->format, "bdf or hex, instead of OUT's extension")
        ->check(CLI::IsMember({"bdf", "hex"}));
    command->add_flag("--native", options->native,
                      "BDF keyed by the file's own codes, with its code page's X charset");
    command->callback([&action, options] { action = [options] { return runExport(*options); }; });
}

}  // namespace cli
