#include "bootfont/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

#include "bootfont/bootfonterror.h"
#include "bootfont/languages.h"
#include "runtime/runtimeerror.h"

namespace bootfont {
namespace {

iconv_t descriptor(void* handle) {
    return static_cast<iconv_t>(handle);
}

// Converts all of `in` with a descriptor brought back to its initial state; the number of bytes
// written to `out`, or nullopt when the input is not whole characters or the output does not fit.
std::optional<std::size_t> convert(void* handle, std::span<const std::uint8_t> in,
                                   std::span<std::uint8_t> out) {
    iconv_t cd = descriptor(handle);
    ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    // iconv's interface takes non-const input; it does not write through it.
    auto* inBytes = reinterpret_cast<char*>(const_cast<std::uint8_t*>(in.data()));
    std::size_t inLeft = in.size();
    auto* outBytes = reinterpret_cast<char*>(out.data());
    std::size_t outLeft = out.size();
    if (::iconv(cd, &inBytes, &inLeft, &outBytes, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0 ||
        ::iconv(cd, nullptr, nullptr, &outBytes, &outLeft) == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    return out.size() - outLeft;
}

// `charset` names the code page in messages: "CP936" is code page 936.
void* openDescriptor(const std::string& to, const std::string& from, const std::string& charset) {
    iconv_t cd = ::iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        const std::string name =
            charset.starts_with("CP") ? "code page " + charset.substr(2) : charset;
        refuse(name + ": " + std::strerror(errno));
    }
    return cd;
}

// The C library's own form of Unicode, 32 bits a character in the machine's byte order: iconv
// converts to and from it in one step, where UTF-32LE costs a second step that doubled the time
// of converting a whole table.
constexpr const char* kUnicode = "WCHAR_T";
static_assert(sizeof(wchar_t) == sizeof(char32_t));

// The character whose four bytes start at `at`.
char32_t characterAt(std::span<const std::uint8_t> utf32, std::size_t at) {
    char32_t character = 0;
    std::memcpy(&character, utf32.data() + at, sizeof character);
    return character;
}

}  // namespace

CodePage::CodePage(int number) : CodePage(number, "CP" + std::to_string(number)) {}

CodePage::CodePage(int number, const std::string& charset)
    : number_(number),
      toUnicode_(openDescriptor(kUnicode, charset, charset)),
      fromUnicode_(nullptr) {
    try {
        fromUnicode_ = openDescriptor(charset, kUnicode, charset);
    } catch (...) {
        ::iconv_close(descriptor(toUnicode_));
        throw;
    }
}

CodePage::~CodePage() {
    ::iconv_close(descriptor(toUnicode_));
    ::iconv_close(descriptor(fromUnicode_));
}

std::optional<char32_t> CodePage::toUnicode(std::span<const std::uint8_t> code) const {
    if (code.empty() || code.size() > 2) {
        return std::nullopt;
    }
    // Room for two characters, so that two bytes that are two characters are told apart.
    std::array<std::uint8_t, 8> out{};
    const auto written = convert(toUnicode_, code, out);
    if (written != 4) {
        return std::nullopt;
    }
    return characterAt(out, 0);
}

std::vector<std::optional<char32_t>> CodePage::toUnicode(std::span<const std::uint16_t> codes,
                                                         int width) const {
    std::vector<std::optional<char32_t>> characters(codes.size());
    const auto size = static_cast<std::size_t>(width);
    const auto alone = [&](std::size_t index) {
        characters[index] = toUnicode(codeBytes(codes[index], size).view());
    };
    // Each code goes to iconv followed by a line feed, which closes its characters in the output:
    // no code page here uses that byte as a trail byte or gives a line feed for other bytes. A
    // code that holds a line feed, or one where iconv stops, is converted alone.
    constexpr std::uint8_t kEnd = '\n';
    std::vector<std::uint8_t> in;
    std::vector<std::size_t> run;  // the indexes of the codes in `in`, in order
    in.reserve(codes.size() * (size + 1));
    run.reserve(codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const CodeBytes code = codeBytes(codes[i], size);
        const auto bytes = code.view();
        if (std::ranges::find(bytes, kEnd) != bytes.end()) {
            alone(i);
            continue;
        }
        in.insert(in.end(), bytes.begin(), bytes.end());
        in.push_back(kEnd);
        run.push_back(i);
    }
    const std::size_t stride = static_cast<std::size_t>(width) + 1;
    // A character for each byte at most; left uninitialised, as iconv writes what is read.
    const std::size_t outSize = in.size() * 4;
    const auto out = std::make_unique_for_overwrite<std::uint8_t[]>(outSize);
    iconv_t cd = descriptor(toUnicode_);
    for (std::size_t next = 0; next < run.size();) {
        ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
        auto* inBytes = reinterpret_cast<char*>(in.data() + next * stride);
        std::size_t inLeft = in.size() - next * stride;
        auto* outBytes = reinterpret_cast<char*>(out.get());
        std::size_t outLeft = outSize;
        const bool whole =
            ::iconv(cd, &inBytes, &inLeft, &outBytes, &outLeft) != static_cast<std::size_t>(-1);
        const std::size_t written = outSize - outLeft;
        const std::span<const std::uint8_t> converted(out.get(), written);
        for (std::size_t k = 0, start = 0; k + 4 <= written; k += 4) {
            if (characterAt(converted, k) == kEnd) {
                if (k == start + 4) {
                    characters[run[next]] = characterAt(converted, start);
                }
                ++next;
                start = k + 4;
            }
        }
        if (!whole && next < run.size()) {  // stopped inside the code run[next]
            alone(run[next++]);
        }
    }
    return characters;
}

std::optional<std::vector<std::uint8_t>> CodePage::fromUnicode(char32_t character) const {
    std::array<std::uint8_t, sizeof character> in{};
    std::memcpy(in.data(), &character, sizeof character);
    std::array<std::uint8_t, 4> out{};
    const auto written = convert(fromUnicode_, in, out);
    if (!written || *written == 0 || *written > 2) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(out.begin(),
                                     out.begin() + static_cast<std::ptrdiff_t>(*written));
}

bool CodePage::isLeadByte(std::uint8_t byte) const {
    iconv_t cd = descriptor(toUnicode_);
    ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char in = static_cast<char>(byte);
    char* inBytes = &in;
    std::size_t inLeft = 1;
    std::array<char, 8> out{};
    char* outBytes = out.data();
    std::size_t outLeft = out.size();
    // EINVAL: an incomplete sequence at the end of the input.
    return ::iconv(cd, &inBytes, &inLeft, &outBytes, &outLeft) == static_cast<std::size_t>(-1) &&
           errno == EINVAL;
}

std::unique_ptr<CodePage> openLanguageCodePage(std::int32_t languageId) {
    const std::optional<int> number = codePageForLanguage(languageId);
    if (!number) {
        return nullptr;
    }
    try {
        return std::make_unique<CodePage>(*number);
    } catch (const runtime::RuntimeError&) {
        return nullptr;  // the C library lacks it: as for a language without a code page
    }
}

namespace {

template <typename Record>
std::optional<GlyphCharacter> characterOf(const Record& record, const CodePage* codePage) {
    if (record.unicode() != 0) {
        return GlyphCharacter{record.unicode(), UnicodeSource::Record};
    }
    const auto character = codePage ? codePage->toUnicode(record.codeBytes()) : std::nullopt;
    return character ? std::optional(GlyphCharacter{*character, UnicodeSource::CodePage})
                     : std::nullopt;
}

}  // namespace

std::optional<GlyphCharacter> glyphUnicode(const SbcsGlyphRecord& record,
                                           const CodePage* codePage) {
    return characterOf(record, codePage);
}

std::optional<GlyphCharacter> glyphUnicode(const DbcsGlyphRecord& record,
                                           const CodePage* codePage) {
    return characterOf(record, codePage);
}

}  // namespace bootfont
