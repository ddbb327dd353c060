#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "bootfont/fontloader.h"
#include "support/raisederror.h"

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

}  // namespace testsupport
