#pragma once

#include <string>

#include "runtime/runtimeerror.h"

namespace bootfont {

// The format library's one error: a runtime error, so the window reports it by its number as it
// reports every other, that also carries its reason alone ("No such file or directory", "the
// double-byte codes need 6 lead-byte ranges ..."), so no caller has to cut a message apart.
// detail() is the reason with its context (the path of a file that cannot be read).
class BootFontError : public runtime::RuntimeError {
public:
    BootFontError(runtime::ErrorNumber number, std::string reason, std::string detail)
        : RuntimeError(number, std::move(detail)), reason_(std::move(reason)) {}

    const std::string& reason() const noexcept { return reason_; }

private:
    std::string reason_;
};

// What the library refuses to do with contents it is given (the runtime's invalid-argument
// error): the reason is the whole detail.
[[noreturn]] inline void refuse(std::string reason) {
    std::string detail = reason;
    throw BootFontError(runtime::ErrorNumber::InvalidProcedureCall, std::move(reason),
                        std::move(detail));
}

}  // namespace bootfont
