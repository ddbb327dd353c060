#include "cli/presentation.h"

#include <iostream>

#include "bootfont/valuetext.h"
#include "cli/commands.h"

namespace cli {

std::optional<std::u32string> decodeUtf8(const std::string& text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80       ? 1
                           : lead >> 5 == 6  ? 2
                           : lead >> 4 == 14 ? 3
                           : lead >> 3 == 30 ? 4
                                             : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) {
            return std::nullopt;
        }
        char32_t value = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if (next >> 6 != 2) {
                return std::nullopt;
            }
            value = value << 6 | (next & 0x3F);
        }
        out += value;
        i += static_cast<std::size_t>(length);
    }
    return out;
}

std::string encodeUtf8(char32_t c) {
    return bootfont::encodeUtf8(c);
}

std::string tableKey(bootfont::GlyphTable table) {
    return std::string(bootfont::glyphTable(table).key);
}

nlohmann::json fieldJson(const bootfont::BootFontHeader& header,
                         const bootfont::HeaderField& field) {
    return field.display == bootfont::FieldDisplay::LeadBytes
               ? nlohmann::json(header.DbcsLeadTable)
               : nlohmann::json(bootfont::fieldNumber(header, field));
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
