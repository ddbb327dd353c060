// bootfont info FILE [--json] [--missing]: every header field, what follows from them, the coverage
// of the language's character set and the findings.
#include <CLI/App.hpp>
#include <iomanip>
#include <iostream>
#include <memory>
#include <optional>

#include "bootfont/fontcoverage.h"
#include "bootfont/headerfields.h"
#include "bootfont/languages.h"
#include "bootfont/leadranges.h"
#include "bootfont/valuetext.h"
#include "cli/commands.h"
#include "cli/fontinput.h"
#include "cli/presentation.h"
#include "glyphview/pagemaths.h"
#include "runtime/numbertext.h"
#include "runtime/runtimeerror.h"

namespace cli {
namespace {

using bootfont::BootFontHeader;
using bootfont::TableExtent;
using bootfont::WholeFont;
using nlohmann::json;
using runtime::decimalText;
using runtime::hexCode;

struct InfoOptions {
    std::string file;
    bool json = false;
    bool missing = false;  // list the set's codes the font lacks
};

// The first and last code a table's records hold, as stored (one byte, or lead and trail).
std::optional<std::pair<std::string, std::string>> codeSpan(const WholeFont& font,
                                                            bootfont::GlyphTable table) {
    return font.withRecords(
        table, [table](const auto& records) -> std::optional<std::pair<std::string, std::string>> {
            if (records.empty()) {
                return std::nullopt;
            }
            return std::pair{bootfont::codeText(records.front().code(), table),
                             bootfont::codeText(records.back().code(), table)};
        });
}

// A header field's JSON key: its name with a lower-case first letter ("numSbcsChars").
std::string jsonKey(std::string_view name) {
    std::string key(name);
    key[0] = static_cast<char>(key[0] - 'A' + 'a');
    return key;
}

// The pages the viewer's indicator counts; nullopt where its 16-bit count overflows.
std::optional<int> viewerPages(const BootFontHeader& header) {
    try {
        return glyphview::dbcsPageCount(header.NumDbcsChars);
    } catch (const runtime::RuntimeError&) {
        return std::nullopt;
    }
}

json tableJson(const WholeFont& font, const TableExtent& t) {
    json out = {{"present", t.present},
                {"stride", t.stride},
                {"carriesUnicode", t.carriesUnicode()},
                {"recordsInFile", t.recordsInFile}};
    if (t.present) {
        out["start"] = t.start;
        out["end"] = t.end;
    }
    const auto codes = codeSpan(font, t.table);
    out["firstCode"] = codes ? json(codes->first) : json(nullptr);
    out["lastCode"] = codes ? json(codes->second) : json(nullptr);
    return out;
}

// A code of the set in JSON: its code, its character's value and the character where printable.
json characterJson(const bootfont::CharacterCode& code) {
    return {
        {"code", bootfont::codeText(code.code, code.table())},
        {"unicode", runtime::codePointText(code.unicode)},
        {"character", bootfont::isPrintable(code.unicode) ? json(bootfont::encodeUtf8(code.unicode))
                                                          : json(nullptr)}};
}

json coverageJson(const std::optional<bootfont::FontCoverage>& coverage, bool listMissing) {
    if (!coverage) {
        return nullptr;
    }
    json out = {{"charset", coverage->charset},        {"codePage", coverage->codePage},
                {"characters", coverage->characters},  {"covered", coverage->covered},
                {"missing", coverage->missingCount()}, {"outside", coverage->outside}};
    if (listMissing) {
        json list = json::array();
        for (const bootfont::CharacterCode& code : coverage->missing) {
            list.push_back(characterJson(code));
        }
        out["missingCharacters"] = list;
    }
    return out;
}

json infoJson(const InfoOptions& options, const WholeFont& font,
              const std::optional<bootfont::FontCoverage>& coverage,
              const std::vector<bootfont::Finding>& findings) {
    const std::string& file = options.file;
    const BootFontHeader& h = font.header;
    json ranges = json::array();
    for (const bootfont::LeadRange& range : bootfont::leadByteRanges(h)) {
        ranges.push_back({hexCode(range.first, 2), hexCode(range.last, 2)});
    }
    json header = json::object();
    for (const bootfont::HeaderField& field : bootfont::kHeaderFields) {
        header[jsonKey(field.name)] = fieldJson(h, field);
    }
    header["signatureHex"] = hexCode(static_cast<std::uint32_t>(h.Signature), 8);
    header["languageIdHex"] = hexCode(static_cast<std::uint32_t>(h.LanguageId));
    const auto name = bootfont::languageName(h.LanguageId);
    const auto codePage = bootfont::codePageForLanguage(h.LanguageId);
    const auto pages = viewerPages(h);
    json out = {
        {"file", inputName(file)},
        {"fileSize", font.fileSize},
        {"header", header},
        {"language", name ? json(*name) : json(nullptr)},
        {"codePage", codePage ? json(*codePage) : json(nullptr)},
    };
    for (const bootfont::GlyphTableDeclaration& table : bootfont::kGlyphTables) {
        out[tableKey(table.table)] = tableJson(font, font.extent(table.table));
    }
    out["leadByteRanges"] = ranges;
    out["viewerPages"] = pages ? json(*pages) : json(nullptr);
    out["coverage"] = coverageJson(coverage, options.missing);
    out["findings"] = findingsJson(findings);
    return out;
}

std::string tableText(const WholeFont& font, const TableExtent& t) {
    if (!t.present) {
        return "none";
    }
    std::string text = "offsets " + decimalText(t.start) + " to " + decimalText(t.end) + ", " +
                       runtime::countText(t.count, "record", "records") + " " +
                       decimalText(static_cast<std::int64_t>(t.stride)) + " bytes apart, " +
                       (t.carriesUnicode() ? "with" : "without") + " a Unicode field";
    if (const auto codes = codeSpan(font, t.table)) {
        text += ", codes " + codes->first + " to " + codes->second;
    }
    if (t.cut()) {
        text += "; only " + runtime::countText(t.recordsInFile, "whole record", "whole records") +
                " in the file";
    }
    return text;
}

// "13598 of the 14006 characters of BIG5 (code page 950), 408 missing; 0 glyphs outside the set".
std::string coverageText(const std::optional<bootfont::FontCoverage>& coverage) {
    if (!coverage) {
        return "no character set known for the language";
    }
    return decimalText(coverage->covered) + " of the " +
           runtime::countText(coverage->characters, "character", "characters") + " of " +
           coverage->charset + " (code page " + decimalText(coverage->codePage) + "), " +
           decimalText(coverage->missingCount()) + " missing; " +
           runtime::countText(coverage->outside, "glyph", "glyphs") + " outside the set";
}

void printInfo(const InfoOptions& options, const WholeFont& font,
               const std::optional<bootfont::FontCoverage>& coverage,
               const std::vector<bootfont::Finding>& findings) {
    const std::string& file = options.file;
    const auto pages = viewerPages(font.header);
    std::vector<std::pair<std::string, std::string>> lines;
    lines.emplace_back("file", inputName(file) + ", " + decimalText(font.fileSize) + " bytes");
    for (const bootfont::HeaderField& field : bootfont::kHeaderFields) {
        lines.emplace_back(field.name, bootfont::fieldDescription(font.header, field));
    }
    for (const bootfont::GlyphTableDeclaration& table : bootfont::kGlyphTables) {
        lines.emplace_back(std::string(table.name) + " table",
                           tableText(font, font.extent(table.table)));
    }
    lines.emplace_back("viewer pages", pages ? decimalText(*pages) : "more than the viewer counts");
    lines.emplace_back("coverage", coverageText(coverage));
    lines.emplace_back("findings", findings.empty() ? "none" : decimalText(std::ssize(findings)));
    for (const auto& [label, value] : lines) {
        std::cout << std::left << std::setw(25) << label << value << '\n';
    }
    for (const auto& finding : findings) {
        printFinding(std::cout, inputName(file), finding);
    }
    if (options.missing && coverage) {
        for (const bootfont::CharacterCode& code : coverage->missing) {
            std::cout << bootfont::codeText(code.code, code.table()) << ' '
                      << bootfont::characterText(code.unicode) << '\n';
        }
    }
}

int runInfo(const InfoOptions& options) {
    const bootfont::FontFile file = openFontInput(options.file);
    const WholeFont& font = file.font();
    const auto findings = bootfont::checkFontAndAscii(font);
    const auto coverage = bootfont::fontCoverage(font);
    if (options.json) {
        printJson(std::cout, infoJson(options, font, coverage, findings));
    } else {
        printInfo(options, font, coverage, findings);
    }
    return statusOf(findings);
}

}  // namespace

void addInfoCommand(CLI::App& app, CommandAction& action) {
    auto options = std::make_shared<InfoOptions>();
    CLI::App* command = app.add_subcommand(
        "info",
        "Show every header field, the tables' places, how much of its language's character set "
        "the font covers and the findings of check");
    command->add_option("FILE", options->file, "the boot font, - for standard input")->required();
    command->add_flag("--json", options->json, "print one JSON object instead of text");
    command->add_flag("--missing", options->missing,
                      "also list the characters of the set the font has no glyph for: code, "
                      "Unicode value and character, one a line");
    command->callback([&action, options] { action = [options] { return runInfo(*options); }; });
}

}  // namespace cli
