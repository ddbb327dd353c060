// bootfont export FILE -o OUT.bdf|OUT.hex [--native]: the glyphs as a BDF 2.1 or Unifont .hex
// font, the formats bitmap font editors (FontForge, gbdfed) and FreeType read.
#include <CLI/App.hpp>
#include <CLI/Validators.hpp>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <tuple>

#include "bootfont/codepage.h"
#include "cli/commands.h"
#include "cli/failure.h"
#include "cli/fontglyphs.h"
#include "cli/fontinput.h"
#include "cli/outputfile.h"
#include "cli/presentation.h"
#include "fontio/bdfwriter.h"
#include "runtime/numbertext.h"

namespace cli {
namespace {

using runtime::countText;

struct ExportOptions {
    std::string file;
    std::string out;
    std::string format;  // "bdf" or "hex"; empty: from OUT's extension
    bool native = false;
};

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
    if (format.empty()) {
        failUsage(options.out + ": name it .bdf or .hex, or give --format");
    }
    if (format == "hex" && options.native) {
        failUsage("--native is for BDF; .hex is keyed by Unicode");
    }
    if (isSameFile(options.file, options.out)) {
        failUsage(options.out + ": is the input file; choose another output");
    }
    const bootfont::FontFile file = openBootFont(options.file);
    const bootfont::WholeFont& font = file.font();
    const std::string name = inputName(options.file);
    // A font with tables cut short would be exported without its missing glyphs, unnoticed.
    if (font.sbcs.cut() || font.dbcs.cut()) {
        failFile(name + ": a glyph table runs past the end of the file; bootfont check says more");
    }
    const auto codePage = bootfont::openLanguageCodePage(font.header.LanguageId);
    const auto entries = glyphEntries(font, codePage.get());
    std::vector<fontio::ExportGlyph> glyphs;
    std::int64_t withoutUnicode = 0;
    for (const GlyphEntry& entry : entries) {
        if (!options.native && !entry.unicode) {
            ++withoutUnicode;
            continue;
        }
        glyphs.push_back({options.native ? entry.code : *entry.unicode, entry.codeDigits(),
                          entry.width, entry.bitmap});
    }
    // Iterator pairs rather than std::ranges' subrange, which clang 14 cannot compile against
    // libstdc++ 12.
    const auto byKey = [](const fontio::ExportGlyph& a, const fontio::ExportGlyph& b) {
        return a.key < b.key;
    };
    std::stable_sort(glyphs.begin(), glyphs.end(), byKey);
    const auto repeats = std::unique(
        glyphs.begin(), glyphs.end(),
        [](const fontio::ExportGlyph& a, const fontio::ExportGlyph& b) { return a.key == b.key; });
    const auto repeated = std::distance(repeats, glyphs.end());
    glyphs.erase(repeats, glyphs.end());
    if (withoutUnicode > 0) {
        reportError(name + ": " +
                    countText(withoutUnicode, "glyph has no Unicode value and is left out",
                              "glyphs have no Unicode value and are left out") +
                    " (--native keeps them)");
    }
    if (repeated > 0) {
        reportError(name + ": " + countText(repeated, "glyph repeats", "glyphs repeat") +
                    (options.native ? " a code" : " a character") + " of an earlier glyph and " +
                    (repeated == 1 ? "is" : "are") + " left out");
    }
    if (glyphs.empty()) {
        failFile(name + ": no glyph to export");
    }
    std::string text;
    if (format == "bdf") {
        fontio::BdfFont bdf;
        bdf.native = options.native;
        if (options.native) {
            std::tie(bdf.registry, bdf.encoding) = fontio::bdfNativeCharset(
                codePage ? std::optional(codePage->number()) : std::nullopt);
        }
        bdf.topPad = font.header.CharacterTopPad;
        bdf.height = font.header.CharacterImageHeight;
        bdf.bottomPad = font.header.CharacterBottomPad;
        text = fontio::bdfText(bdf, glyphs);
    } else {
        text = fontio::unifontHexText(glyphs);
    }
    writeOutputFile(options.out, text);
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
