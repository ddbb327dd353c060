#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace runtime {

// The error numbers follow the classic BASIC runtime, so a user who knows those messages
// recognises them and a report names the same number on every platform.
enum class ErrorNumber : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    FileNotFound = 53,
    DeviceIoError = 57,
    PathFileAccessError = 75,
};

// The one error type of the system. Raised wherever an operation cannot go on; caught only at the
// event boundary, which shows its number and description in a message box.
class RuntimeError : public std::runtime_error {
public:
    // `detail` says what failed (a path, a value); it goes into what() for logs and tests, never
    // into the text the user sees.
    explicit RuntimeError(ErrorNumber number, std::string detail = {});

    ErrorNumber number() const noexcept { return number_; }
    int code() const noexcept { return static_cast<int>(number_); }
    const std::string& detail() const noexcept { return detail_; }

    // "Overflow", "Subscript out of range", ...
    std::string_view description() const noexcept;
    // "溢出", "下标越界", ...: what the window's message box says, in its source language.
    std::string_view chineseDescription() const noexcept;

private:
    ErrorNumber number_;
    std::string detail_;
};

[[noreturn]] void raise(ErrorNumber number, std::string detail = {});

}  // namespace runtime
