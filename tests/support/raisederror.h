#pragma once

#include <gtest/gtest.h>

#include "runtime/runtimeerror.h"

namespace testsupport {

// The number of the runtime error that `action` raises; a failure when it raises none.
inline runtime::ErrorNumber raisedError(auto&& action) {
    try {
        action();
    } catch (const runtime::RuntimeError& error) {
        return error.number();
    }
    ADD_FAILURE() << "no runtime error raised";
    return {};
}

}  // namespace testsupport
