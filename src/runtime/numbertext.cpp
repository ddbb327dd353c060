#include "runtime/numbertext.h"

#include <array>
#include <cctype>
#include <charconv>

namespace runtime {
namespace {

std::string toChars(auto value, int base) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, base);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::string decimalText(std::int64_t value) {
    return toChars(value, 10);
}

std::string hexDigits(std::uint64_t bits) {
    std::string text = toChars(bits, 16);
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace runtime
