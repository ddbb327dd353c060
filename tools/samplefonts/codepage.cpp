#include "samplefonts/codepage.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace samplefonts {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
constexpr std::size_t kFailed = static_cast<std::size_t>(-1);

}  // namespace

CodePage::CodePage(std::string name) : name_(std::move(name)) {
    // Big-endian UCS-4 has no byte order mark and no host dependence.
    converter_ = iconv_open("UCS-4BE", name_.c_str());
    if (converter_ == kNoConverter) {
        throw std::runtime_error("iconv cannot convert from the code page " + name_ + ": " +
                                 std::strerror(errno));
    }
}

CodePage::~CodePage() {
    iconv_close(converter_);
}

std::optional<char32_t> CodePage::decode(std::span<const std::uint8_t> bytes) {
    std::vector<char> input(bytes.begin(), bytes.end());
    // Room for two characters, so that "more than one" is seen as such and not as E2BIG.
    std::array<unsigned char, 8> output{};
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = reinterpret_cast<char*>(output.data());
    std::size_t outLeft = output.size();

    iconv(converter_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    if (iconv(converter_, &in, &inLeft, &out, &outLeft) == kFailed) {
        if (errno == EILSEQ || errno == EINVAL || errno == E2BIG) {
            return std::nullopt;
        }
        throw std::runtime_error("iconv failed on " + name_ + ": " + std::strerror(errno));
    }
    if (inLeft != 0 || output.size() - outLeft != 4) {
        return std::nullopt;
    }
    return static_cast<char32_t>(output[0] << 24 | output[1] << 16 | output[2] << 8 | output[3]);
}

}  // namespace samplefonts
