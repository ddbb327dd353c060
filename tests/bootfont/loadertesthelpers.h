#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "bootfont/fontloader.h"
#include "runtime/runtimeerror.h"

namespace testsupport {

// The open command's reading steps: header, and for an accepted file both tables.
inline bool loadFile(bootfont::ViewerState& state, const std::filesystem::path& path) {
    bootfont::FontFileReader file(path);
    bootfont::readHeader(state, file);
    if (!bootfont::hasBootFontSignature(state.Header)) {
        return false;
    }
    bootfont::GetSbcs(state, file);
    bootfont::GetDbcs(state, file);
    return true;
}

inline runtime::ErrorNumber errorOf(auto&& action) {
    try {
        action();
    } catch (const runtime::RuntimeError& error) {
        return error.number();
    }
    ADD_FAILURE() << "no runtime error raised";
    return {};
}

}  // namespace testsupport
