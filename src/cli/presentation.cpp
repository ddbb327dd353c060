#include "cli/presentation.h"

#include <iostream>

#include "cli/commands.h"
#include "runtime/numbertext.h"

namespace cli {

std::string hexCode(std::uint64_t value, int digits) {
    const std::string text = runtime::hexDigits(value);
    const auto padding = static_cast<std::size_t>(digits) > text.size()
                             ? static_cast<std::size_t>(digits) - text.size()
                             : 0;
    return "0x" + std::string(padding, '0') + text;
}

std::string unicodeName(char32_t value) {
    return "U+" + hexCode(value, 4).substr(2);
}

const char* tableKey(bootfont::GlyphTable table) {
    return table == bootfont::GlyphTable::Sbcs ? "sbcs" : "dbcs";
}

void printFinding(std::ostream& out, const std::string& file, const bootfont::Finding& finding) {
    out << file << ": " << bootfont::severityName(finding.severity) << ": " << finding.id << ": "
        << finding.message << '\n';
}

nlohmann::json findingJson(const bootfont::Finding& finding) {
    nlohmann::json json = {{"severity", bootfont::severityName(finding.severity)},
                           {"id", finding.id},
                           {"message", finding.message}};
    if (finding.table) {
        json["table"] = tableKey(*finding.table);
    }
    if (finding.index) {
        json["index"] = *finding.index;
    }
    if (finding.offset) {
        json["offset"] = *finding.offset;
    }
    return json;
}

nlohmann::json findingsJson(const std::vector<bootfont::Finding>& findings) {
    nlohmann::json list = nlohmann::json::array();
    for (const auto& finding : findings) {
        list.push_back(findingJson(finding));
    }
    return list;
}

int statusOf(const std::vector<bootfont::Finding>& findings) {
    for (const auto& finding : findings) {
        if (finding.severity == bootfont::Severity::Error) {
            return kFileHasErrors;
        }
    }
    return kSuccess;
}

void printJson(std::ostream& out, const nlohmann::json& value) {
    out << value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

void reportError(const std::string& message) {
    std::cerr << "bootfont: " << message << '\n';
}

}  // namespace cli
