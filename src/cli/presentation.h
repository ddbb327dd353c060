#pragma once

#include <cstdint>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "bootfont/fontcheck.h"
#include "bootfont/headerfields.h"

// How the bootfont command shows what the format library found: text lines for people, JSON with
// stable keys for scripts, and errors on standard error.
namespace cli {

// The code points of UTF-8 text; nullopt when it is not UTF-8.
std::optional<std::u32string> decodeUtf8(const std::string& text);
// bootfont::encodeUtf8, for the command's pictures.
std::string encodeUtf8(char32_t c);

// "sbcs" or "dbcs", the tables' names in JSON.
std::string tableKey(bootfont::GlyphTable table);

// A header field in JSON: the lead-byte table as its bytes, every other field as its number.
nlohmann::json fieldJson(const bootfont::BootFontHeader& header,
                         const bootfont::HeaderField& field);

// One finding as a line: "FILE: error: sbcs-past-end: the single-byte table runs ...".
void printFinding(std::ostream& out, const std::string& file, const bootfont::Finding& finding);

// {"severity", "id", "message", "table", "index", "offset"}; the place's keys only where known.
nlohmann::json findingJson(const bootfont::Finding& finding);
nlohmann::json findingsJson(const std::vector<bootfont::Finding>& findings);

// kFileHasErrors when any finding is an error, else kSuccess.
int statusOf(const std::vector<bootfont::Finding>& findings);

// JSON as the command prints it: indented, bytes that are no UTF-8 (in file names) replaced.
void printJson(std::ostream& out, const nlohmann::json& value);

// "bootfont: MESSAGE" on standard error.
void reportError(const std::string& message);

}  // namespace cli
