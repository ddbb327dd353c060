#include "cli/unifontsource.h"

#include <algorithm>

#include "cli/fontinput.h"

namespace cli {
namespace {

constexpr int kRows = 16;
constexpr int kRowsBelowBaseline = 2;
constexpr std::size_t kNarrowDigits = 32;
constexpr std::size_t kWideDigits = 64;
constexpr std::size_t kMaxKeyDigits = 6;

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

}  // namespace

bool UnifontSource::looksLikeHex(std::string_view start) {
    const std::size_t colon = start.find(':');
    if (colon == 0 || colon > kMaxKeyDigits || colon == std::string_view::npos) {
        return false;
    }
    const std::string_view line = start.substr(0, start.find('\n'));
    return std::ranges::all_of(line.substr(0, colon), [](char c) { return hexValue(c) >= 0; }) &&
           std::ranges::all_of(line.substr(colon + 1),
                               [](char c) { return hexValue(c) >= 0 || c == '\r'; });
}

UnifontSource::UnifontSource(const std::string& file, std::string text) : text_(std::move(text)) {
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start < text_.size();) {
        ++lineNumber;
        std::size_t end = text_.find('\n', start);
        end = end == std::string::npos ? text_.size() : end;
        std::string_view line(text_.data() + start, end - start);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (!line.empty()) {
            const std::size_t colon = line.find(':');
            std::uint32_t key = 0;
            bool good = colon > 0 && colon <= kMaxKeyDigits && colon != std::string_view::npos;
            for (std::size_t i = 0; good && i < colon; ++i) {
                const int digit = hexValue(line[i]);
                good = digit >= 0;
                key = key << 4 | static_cast<std::uint32_t>(digit);
            }
            const std::size_t count = good ? line.size() - colon - 1 : 0;
            good = good && (count == kNarrowDigits || count == kWideDigits) &&
                   std::ranges::all_of(line.substr(colon + 1),
                                       [](char c) { return hexValue(c) >= 0; });
            if (!good) {
                throw InputError(file + ": line " + std::to_string(lineNumber) +
                                 " is not a Unifont .hex glyph (code point:32 or 64 hex digits)");
            }
            entries_.push_back({key, start + colon + 1, count});
        }
        start = end + 1;
    }
    if (entries_.empty()) {
        throw InputError(file + ": no glyph in this .hex file");
    }
    // Unifont's files are in code point order; others need not be. The first of a repeated code
    // point counts.
    std::ranges::stable_sort(entries_, {}, &Entry::character);
}

std::optional<SourceGlyph> UnifontSource::glyph(char32_t character) {
    const auto found = std::ranges::lower_bound(entries_, character, {}, &Entry::character);
    if (found == entries_.end() || found->character != character) {
        return std::nullopt;
    }
    SourceGlyph glyph;
    glyph.width = found->count == kWideDigits ? 16 : 8;
    glyph.rows = kRows;
    glyph.pitch = glyph.width / 8;
    glyph.top = kRows - kRowsBelowBaseline;
    glyph.baselineRow = glyph.top;
    glyph.advance = glyph.width;
    glyph.bits.resize(found->count / 2);
    for (std::size_t i = 0; i < glyph.bits.size(); ++i) {
        glyph.bits[i] = static_cast<std::uint8_t>(hexValue(text_[found->digits + 2 * i]) << 4 |
                                                  hexValue(text_[found->digits + 2 * i + 1]));
    }
    return glyph;
}

}  // namespace cli
