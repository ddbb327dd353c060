#include "fontio/unifontsource.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>

#include "bootfont/bootfontrecords.h"
#include "fontio/fontioerror.h"
#include "runtime/numbertext.h"

namespace fontio {
namespace {

constexpr int kRows = static_cast<int>(bootfont::kGlyphRows);
constexpr int kRowsBelowBaseline = bootfont::kRowsBelowBaseline;
constexpr std::size_t kNarrowDigits = 32;
constexpr std::size_t kWideDigits = 64;
constexpr std::size_t kMaxKeyDigits = 6;

}  // namespace

FontIoError UnifontSource::badLine(std::size_t line) const {
    return FontIoError(file_ + ": line " + std::to_string(line) +
                       " is not a Unifont .hex glyph (code point:32 or 64 hex digits)");
}

bool UnifontSource::looksLikeHex(std::string_view start) {
    const std::string_view line = start.substr(0, start.find('\n'));
    const std::size_t colon = line.find(':');
    if (colon == 0 || colon > kMaxKeyDigits || colon == std::string_view::npos) {
        return false;
    }
    return std::ranges::all_of(line.substr(0, colon),
                               [](char c) { return runtime::hexDigitValue(c) >= 0; }) &&
           std::ranges::all_of(line.substr(colon + 1),
                               [](char c) { return runtime::hexDigitValue(c) >= 0 || c == '\r'; });
}

UnifontSource::UnifontSource(const std::string& file) : file_(file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0) {
        const int error = errno;
        if (fd >= 0) {
            ::close(fd);
        }
        throw FontIoError(file + ": " + std::strerror(error));
    }
    // Offsets are 32-bit: the whole of Unifont is 2.6 MB.
    if (status.st_size > std::numeric_limits<std::int32_t>::max()) {
        ::close(fd);
        throw FontIoError(file + ": too large for a .hex file");
    }
    const auto size = static_cast<std::size_t>(status.st_size);
    void* map = size == 0 ? MAP_FAILED : ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (map == MAP_FAILED) {
        throw FontIoError(file_ + ": no glyph in this .hex file");
    }
    text_ = std::string_view(static_cast<const char*>(map), size);
    try {
        index();
    } catch (...) {
        ::munmap(map, size);
        throw;
    }
}

UnifontSource::~UnifontSource() {
    ::munmap(const_cast<char*>(text_.data()), text_.size());
}

void UnifontSource::index() {
    entries_.reserve(text_.size() / kNarrowDigits);
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start < text_.size();) {
        ++lineNumber;
        std::size_t end = text_.find('\n', start);
        end = end == std::string_view::npos ? text_.size() : end;
        std::string_view line = text_.substr(start, end - start);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (!line.empty()) {
            const std::size_t colon = line.find(':');
            std::uint32_t key = 0;
            bool good = colon > 0 && colon <= kMaxKeyDigits && colon != std::string_view::npos;
            for (std::size_t i = 0; good && i < colon; ++i) {
                const int digit = runtime::hexDigitValue(line[i]);
                good = digit >= 0;
                key = key << 4 | static_cast<std::uint32_t>(digit);
            }
            const std::size_t count = good ? line.size() - colon - 1 : 0;
            // The digits themselves are read when the glyph is asked for.
            if (!good || (count != kNarrowDigits && count != kWideDigits)) {
                throw badLine(lineNumber);
            }
            entries_.push_back({key, static_cast<std::uint32_t>(start + colon + 1),
                                static_cast<std::uint32_t>(count),
                                static_cast<std::uint32_t>(lineNumber)});
        }
        start = end + 1;
    }
    if (entries_.empty()) {
        throw FontIoError(file_ + ": no glyph in this .hex file");
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
        const int high = runtime::hexDigitValue(text_[found->digits + 2 * i]);
        const int low = runtime::hexDigitValue(text_[found->digits + 2 * i + 1]);
        if (high < 0 || low < 0) {
            throw badLine(found->line);
        }
        glyph.bits[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return glyph;
}

}  // namespace fontio
