#pragma once

#include <filesystem>
#include <optional>

#include "bootfont/fontloader.h"
#include "runtime/runtimeerror.h"
#include "viewer/form1.h"
#include "viewer/headertext.h"

namespace testsupport {

struct OpenOutcome {
    bool accepted = false;
    // The runtime error that ended the steps; none when they ran to the end.
    std::optional<runtime::ErrorNumber> error;
};

// The open command's steps after its dialog, in its order, on a window: page start 0, open the
// file, header, signature test (a rejected file disables the display buttons), buttons enabled,
// header texts, both tables, close, single-byte view, after-load page indicator. The first runtime
// error ends them, as it ends the command; it is returned here, not reported. Stands in for the
// window's own open command until that exists.
inline OpenOutcome openLikeTheOpenCommand(Form1& form, const std::filesystem::path& path) {
    OpenOutcome outcome;
    bootfont::ViewerState& state = form.state();
    state.PageStart = 0;
    try {
        bootfont::FontFileReader file(path);
        bootfont::readHeader(state, file);
        if (!bootfont::hasBootFontSignature(state.Header)) {
            file.close();
            form.setDisplayButtonsEnabled(false);
            return outcome;
        }
        outcome.accepted = true;
        form.setDisplayButtonsEnabled(true);
        form.ShowHeader();
        bootfont::GetSbcs(state, file);
        bootfont::GetDbcs(state, file);
        file.close();
        form.ShowSBCS();
        (void)viewer::afterLoadPageIndicatorText(state.Header.NumDbcsChars);
    } catch (const runtime::RuntimeError& error) {
        outcome.error = error.number();
    }
    return outcome;
}

}  // namespace testsupport
