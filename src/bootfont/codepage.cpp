#include "bootfont/codepage.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <string>

#include "runtime/runtimeerror.h"

namespace bootfont {
namespace {

// Windows language ids: the primary language in the low ten bits, the region above them.
constexpr std::int32_t kPrimaryLanguageMask = 0x3FF;

struct LanguageCodePage {
    std::int32_t language = 0;
    int codePage = 0;
    const char* name = "";
};

// Whole language ids, where the region decides the code page.
constexpr LanguageCodePage kByLanguageId[] = {
    {0x0804, 936, "Chinese (PRC)"},
    {0x1004, 936, "Chinese (Singapore)"},
    {0x0404, 950, "Chinese (Taiwan)"},
    {0x0C04, 950, "Chinese (Hong Kong)"},
    {0x1404, 950, "Chinese (Macao)"},
    {0x0409, 437, "English (United States)"},  // the other English regions use 850
};

// Primary languages, whichever the region.
constexpr LanguageCodePage kByPrimaryLanguage[] = {
    {0x11, 932, "Japanese"},   {0x12, 949, "Korean"},     {0x05, 852, "Czech"},
    {0x0E, 852, "Hungarian"},  {0x15, 852, "Polish"},     {0x1B, 852, "Slovak"},
    {0x24, 852, "Slovenian"},  {0x02, 866, "Bulgarian"},  {0x19, 866, "Russian"},
    {0x22, 866, "Ukrainian"},  {0x23, 866, "Belarusian"}, {0x08, 737, "Greek"},
    {0x1F, 857, "Turkish"},    {0x03, 850, "Catalan"},    {0x06, 850, "Danish"},
    {0x07, 850, "German"},     {0x09, 850, "English"},    {0x0A, 850, "Spanish"},
    {0x0B, 850, "Finnish"},    {0x0C, 850, "French"},     {0x0F, 850, "Icelandic"},
    {0x10, 850, "Italian"},    {0x13, 850, "Dutch"},      {0x14, 850, "Norwegian"},
    {0x16, 850, "Portuguese"}, {0x1D, 850, "Swedish"},
};

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
        runtime::raise(runtime::ErrorNumber::InvalidProcedureCall,
                       name + ": " + std::strerror(errno));
    }
    return cd;
}

constexpr const char* kUnicode = "UTF-32LE";

// The character whose UTF-32LE bytes start at `at`.
char32_t characterAt(std::span<const std::uint8_t> utf32, std::size_t at) {
    return static_cast<char32_t>(utf32[at] | utf32[at + 1] << 8 | utf32[at + 2] << 16 |
                                 static_cast<std::uint32_t>(utf32[at + 3]) << 24);
}

const LanguageCodePage* findLanguage(std::int32_t languageId) {
    if (languageId < 0 || languageId > 0xFFFF) {
        return nullptr;
    }
    for (const auto& entry : kByLanguageId) {
        if (entry.language == languageId) {
            return &entry;
        }
    }
    if ((languageId & kPrimaryLanguageMask) == 0x04) {
        return nullptr;  // a Chinese region not listed above
    }
    for (const auto& entry : kByPrimaryLanguage) {
        if (entry.language == (languageId & kPrimaryLanguageMask)) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

std::optional<int> codePageForLanguage(std::int32_t languageId) {
    const LanguageCodePage* found = findLanguage(languageId);
    return found ? std::optional<int>(found->codePage) : std::nullopt;
}

std::optional<std::string_view> languageName(std::int32_t languageId) {
    const LanguageCodePage* found = findLanguage(languageId);
    return found ? std::optional<std::string_view>(found->name) : std::nullopt;
}

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
    const auto bytesOf = [width](std::uint16_t code) {
        return width == 1 ? std::array{static_cast<std::uint8_t>(code), std::uint8_t{0}}
                          : std::array{static_cast<std::uint8_t>(code >> 8),
                                       static_cast<std::uint8_t>(code)};
    };
    const auto alone = [&](std::size_t index) {
        const auto bytes = bytesOf(codes[index]);
        characters[index] = toUnicode(std::span(bytes.data(), static_cast<std::size_t>(width)));
    };
    // Each code goes to iconv followed by a line feed, which closes its characters in the output:
    // no code page here uses that byte as a trail byte or gives a line feed for other bytes. A
    // code that holds a line feed, or one where iconv stops, is converted alone.
    constexpr std::uint8_t kEnd = '\n';
    std::vector<std::uint8_t> in;
    std::vector<std::size_t> run;  // the indexes of the codes in `in`, in order
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const auto bytes = bytesOf(codes[i]);
        if (bytes[0] == kEnd || (width == 2 && bytes[1] == kEnd)) {
            alone(i);
            continue;
        }
        in.insert(in.end(), bytes.begin(), bytes.begin() + width);
        in.push_back(kEnd);
        run.push_back(i);
    }
    const std::size_t stride = static_cast<std::size_t>(width) + 1;
    std::vector<std::uint8_t> out(in.size() * 4);  // a character for each byte at most
    iconv_t cd = descriptor(toUnicode_);
    for (std::size_t next = 0; next < run.size();) {
        ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
        auto* inBytes = reinterpret_cast<char*>(in.data() + next * stride);
        std::size_t inLeft = in.size() - next * stride;
        auto* outBytes = reinterpret_cast<char*>(out.data());
        std::size_t outLeft = out.size();
        const bool whole =
            ::iconv(cd, &inBytes, &inLeft, &outBytes, &outLeft) != static_cast<std::size_t>(-1);
        const std::size_t written = out.size() - outLeft;
        for (std::size_t k = 0, start = 0; k + 4 <= written; k += 4) {
            if (characterAt(out, k) == kEnd) {
                if (k == start + 4) {
                    characters[run[next]] = characterAt(out, start);
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
    const auto value = static_cast<std::uint32_t>(character);
    const std::array<std::uint8_t, 4> in{
        static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    std::array<std::uint8_t, 4> out{};
    const auto written = convert(fromUnicode_, in, out);
    if (!written || *written == 0 || *written > 2) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(out.begin(),
                                     out.begin() + static_cast<std::ptrdiff_t>(*written));
}

std::optional<char32_t> glyphUnicode(std::span<const std::uint8_t> code,
                                     std::uint16_t recordUnicode, const CodePage* codePage) {
    if (recordUnicode != 0) {
        return recordUnicode;
    }
    return codePage ? codePage->toUnicode(code) : std::nullopt;
}

}  // namespace bootfont
