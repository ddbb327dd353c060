// bootfont info FILE [--json]: every header field, what follows from them, and the findings.
#include <CLI/App.hpp>
#include <iomanip>
#include <iostream>
#include <memory>
#include <optional>

#include "bootfont/codepage.h"
#include "cli/commands.h"
#include "cli/fontinput.h"
#include "cli/presentation.h"
#include "runtime/numbertext.h"
#include "runtime/runtimeerror.h"
#include "viewer/headertext.h"

namespace cli {
namespace {

using bootfont::BootFontHeader;
using bootfont::TableExtent;
using bootfont::WholeFont;
using nlohmann::json;

struct InfoOptions {
    std::string file;
    bool json = false;
};

// The first and last code a table's records hold, as stored (one byte, or lead and trail).
std::optional<std::pair<std::string, std::string>> codeSpan(const WholeFont& font,
                                                            bootfont::GlyphTable table) {
    if (table == bootfont::GlyphTable::Sbcs) {
        if (font.sbcsGlyphs.empty()) {
            return std::nullopt;
        }
        return std::pair{hexCode(font.sbcsGlyphs.front().Code, 2),
                         hexCode(font.sbcsGlyphs.back().Code, 2)};
    }
    if (font.dbcsGlyphs.empty()) {
        return std::nullopt;
    }
    const auto code = [](const bootfont::DbcsGlyphRecord& r) {
        return hexCode(static_cast<unsigned>(r.Code[0] << 8 | r.Code[1]), 4);
    };
    return std::pair{code(font.dbcsGlyphs.front()), code(font.dbcsGlyphs.back())};
}

// The pages the viewer's indicator counts; nullopt where its 16-bit count overflows.
std::optional<int> viewerPages(const BootFontHeader& header) {
    try {
        return viewer::dbcsPageCount(header.NumDbcsChars);
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

json infoJson(const std::string& file, const WholeFont& font,
              const std::vector<bootfont::Finding>& findings) {
    const BootFontHeader& h = font.header;
    json ranges = json::array();
    for (const auto& [first, last] : bootfont::leadByteRanges(h)) {
        ranges.push_back({hexCode(first, 2), hexCode(last, 2)});
    }
    const auto name = bootfont::languageName(h.LanguageId);
    const auto codePage = bootfont::codePageForLanguage(h.LanguageId);
    const auto pages = viewerPages(h);
    return {
        {"file", inputName(file)},
        {"fileSize", font.fileSize},
        {"header",
         {{"signature", h.Signature},
          {"signatureHex", hexCode(static_cast<std::uint32_t>(h.Signature), 8)},
          {"languageId", h.LanguageId},
          {"languageIdHex", hexCode(static_cast<std::uint32_t>(h.LanguageId))},
          {"numSbcsChars", h.NumSbcsChars},
          {"numDbcsChars", h.NumDbcsChars},
          {"sbcsOffset", h.SbcsOffset},
          {"dbcsOffset", h.DbcsOffset},
          {"sbcsEntriesTotalSize", h.SbcsEntriesTotalSize},
          {"dbcsEntriesTotalSize", h.DbcsEntriesTotalSize},
          {"dbcsLeadTable", h.DbcsLeadTable},
          {"characterImageHeight", h.CharacterImageHeight},
          {"characterTopPad", h.CharacterTopPad},
          {"characterBottomPad", h.CharacterBottomPad},
          {"characterImageSbcsWidth", h.CharacterImageSbcsWidth},
          {"characterImageDbcsWidth", h.CharacterImageDbcsWidth}}},
        {"language", name ? json(*name) : json(nullptr)},
        {"codePage", codePage ? json(*codePage) : json(nullptr)},
        {"sbcs", tableJson(font, font.sbcs)},
        {"dbcs", tableJson(font, font.dbcs)},
        {"leadByteRanges", ranges},
        {"viewerPages", pages ? json(*pages) : json(nullptr)},
        {"findings", findingsJson(findings)},
    };
}

std::string tableText(const WholeFont& font, const TableExtent& t) {
    using runtime::decimalText;
    if (!t.present) {
        return "none";
    }
    std::string text = "offsets " + decimalText(t.start) + " to " + decimalText(t.end) + ", " +
                       decimalText(t.count) + " records " +
                       decimalText(static_cast<std::int64_t>(t.stride)) + " bytes apart, " +
                       (t.carriesUnicode() ? "with" : "without") + " a Unicode field";
    if (const auto codes = codeSpan(font, t.table)) {
        text += ", codes " + codes->first + " to " + codes->second;
    }
    if (t.cut()) {
        text += "; only " + decimalText(t.recordsInFile) + " whole records in the file";
    }
    return text;
}

void printInfo(const std::string& file, const WholeFont& font,
               const std::vector<bootfont::Finding>& findings) {
    using runtime::decimalText;
    const BootFontHeader& h = font.header;
    std::string lead;
    for (const std::uint8_t byte : h.DbcsLeadTable) {
        lead += (lead.empty() ? "" : " ") + hexCode(byte, 2).substr(2);
    }
    std::string ranges;
    for (const auto& [first, last] : bootfont::leadByteRanges(h)) {
        ranges += (ranges.empty() ? "" : ", ") + hexCode(first, 2) + " to " + hexCode(last, 2);
    }
    const auto name = bootfont::languageName(h.LanguageId);
    const auto codePage = bootfont::codePageForLanguage(h.LanguageId);
    const auto pages = viewerPages(h);
    const std::pair<const char*, std::string> lines[] = {
        {"file", inputName(file) + ", " + decimalText(font.fileSize) + " bytes"},
        {"Signature", decimalText(h.Signature) + " " +
                          hexCode(static_cast<std::uint32_t>(h.Signature), 8) +
                          (font.hasSignature() ? " (MdeT)" : " (not a boot font)")},
        {"LanguageId", decimalText(h.LanguageId) + " " +
                           hexCode(static_cast<std::uint32_t>(h.LanguageId)) + " " +
                           std::string(name.value_or("(unknown language)")) +
                           (codePage ? ", code page " + decimalText(*codePage) : "")},
        {"NumSbcsChars", decimalText(h.NumSbcsChars)},
        {"NumDbcsChars", decimalText(h.NumDbcsChars)},
        {"SbcsOffset", decimalText(h.SbcsOffset)},
        {"DbcsOffset", decimalText(h.DbcsOffset)},
        {"SbcsEntriesTotalSize", decimalText(h.SbcsEntriesTotalSize)},
        {"DbcsEntriesTotalSize", decimalText(h.DbcsEntriesTotalSize)},
        {"DbcsLeadTable", lead + (ranges.empty() ? "" : " (" + ranges + ")")},
        {"CharacterImageHeight", decimalText(h.CharacterImageHeight)},
        {"CharacterTopPad", decimalText(h.CharacterTopPad)},
        {"CharacterBottomPad", decimalText(h.CharacterBottomPad)},
        {"CharacterImageSbcsWidth", decimalText(h.CharacterImageSbcsWidth)},
        {"CharacterImageDbcsWidth", decimalText(h.CharacterImageDbcsWidth)},
        {"single-byte table", tableText(font, font.sbcs)},
        {"double-byte table", tableText(font, font.dbcs)},
        {"viewer pages", pages ? decimalText(*pages) : "more than the viewer counts"},
        {"findings", findings.empty() ? "none" : decimalText(std::ssize(findings))},
    };
    for (const auto& [label, value] : lines) {
        std::cout << std::left << std::setw(25) << label << value << '\n';
    }
    for (const auto& finding : findings) {
        printFinding(std::cout, inputName(file), finding);
    }
}

int runInfo(const InfoOptions& options) {
    WholeFont font;
    try {
        font = readFontInput(options.file);
    } catch (const InputError& error) {
        reportError(error.what());
        return kUsageOrUnreadable;
    }
    const auto findings = bootfont::checkFont(font);
    if (options.json) {
        printJson(std::cout, infoJson(options.file, font, findings));
    } else {
        printInfo(options.file, font, findings);
    }
    return statusOf(findings);
}

}  // namespace

void addInfoCommand(CLI::App& app, CommandAction& action) {
    auto options = std::make_shared<InfoOptions>();
    CLI::App* command = app.add_subcommand(
        "info", "Show every header field, the tables' places and the findings of check");
    command->add_option("FILE", options->file, "the boot font, - for standard input")->required();
    command->add_flag("--json", options->json, "print one JSON object instead of text");
    command->callback([&action, options] { action = [options] { return runInfo(*options); }; });
}

}  // namespace cli
