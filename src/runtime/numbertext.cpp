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

std::string padded(std::string digits, int width) {
    const auto size = static_cast<int>(digits.size());
    return width > size ? std::string(static_cast<std::size_t>(width - size), '0') + digits
                        : digits;
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

std::string hexCode(std::uint64_t value, int digits) {
    return "0x" + padded(hexDigits(value), digits);
}

std::string codePointText(char32_t value) {
    return "U+" + padded(hexDigits(value), 4);
}

std::string countText(std::int64_t count, std::string_view singular, std::string_view plural) {
    return decimalText(count) + " " + std::string(count == 1 ? singular : plural);
}

}  // namespace runtime
