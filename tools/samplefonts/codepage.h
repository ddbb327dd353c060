#pragma once

#include <iconv.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace samplefonts {

// A code page of glibc's iconv, used one character at a time to find the Unicode character that
// a byte or byte pair of the code page stands for.
class CodePage {
public:
    // `name` as iconv knows it ("GB2312", "SHIFT_JIS", ...); an unknown name is an error.
    explicit CodePage(std::string name);
    ~CodePage();
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    const std::string& name() const noexcept { return name_; }

    // The one character that `bytes` encode, or nothing when the code page maps them to no
    // character (an unassigned or invalid code) or to more than one (e.g. two single-byte
    // characters). Any other failure of iconv is an error.
    std::optional<char32_t> decode(std::span<const std::uint8_t> bytes);

private:
    std::string name_;
    iconv_t converter_;
};

}  // namespace samplefonts
