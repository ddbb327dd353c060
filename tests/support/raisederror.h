#pragma once

#include <gtest/gtest.h>

#include <optional>

#include "runtime/runtimeerror.h"

namespace testsupport {

// The runtime error that `action` raises; nullopt when it raises none.
inline std::optional<runtime::RuntimeError> raised(auto&& action) {
    try {
        action();
    } catch (const runtime::RuntimeError& error) {
        return error;
    }
    return std::nullopt;
}

// The number of the runtime error that `action` raises; a failure when it raises none.
inline runtime::ErrorNumber raisedError(auto&& action) {
    const auto error = raised(action);
    if (!error) {
        ADD_FAILURE() << "no runtime error raised";
        return {};
    }
    return error->number();
}

}  // namespace testsupport
