#include "cli/presentation.h"

#include <iostream>

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
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    } else if (c < 0x10000) {
        out += {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
                static_cast<char>(0x80 | (c & 0x3F))};
    } else {
        out += {static_cast<char>(0xF0 | c >> 18), static_cast<char>(0x80 | (c >> 12 & 0x3F)),
                static_cast<char>(0x80 | (c >> 6 & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
    }
    return out;
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
