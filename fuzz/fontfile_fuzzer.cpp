// libFuzzer target: arbitrary bytes as a boot font file, taken through everything a user can reach
// from one. The bytes are written to a file that the window's open command opens, as if chosen in
// its dialog (header, signature test, both glyph tables, the thirteen header texts, the single-byte
// view, the after-load page indicator); then the display buttons' drawings run on the state that
// left: the single-byte view, the first double-byte page, the pages at 500 and at the last page
// start, and the previous and next buttons. The system's runtime errors are expected outcomes; a
// sanitizer report, a crash, a hang or runaway memory is a finding, and so is a table whose size
// disagrees with its header after an open that reported nothing.
#include <QApplication>
#include <QPushButton>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "commondialog/fakedialogplatform.h"
#include "fuzzinput.h"
#include "runtime/runtimeerror.h"
#include "support/fakeservices.h"
#include "viewer/form1.h"

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's hashes then iterate in the same order in every run, and so do the comparisons that
    // libFuzzer sees inside Qt: a run with a fixed seed takes the same path each time.
    qputenv("QT_HASH_SEED", "0");
    // Qt keeps a reference to argc, and libFuzzer's own flags are none of Qt's business.
    static int qtArgc = 1;
    static char name[] = "fontfile_fuzzer";
    static char* qtArgv[] = {name, nullptr};
    // Lives as long as the process; destroying it during exit() would only add noise.
    static QApplication* const application = new QApplication(qtArgc, qtArgv);
    (void)application;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path path = fuzzing::writeInput(data, size);

    testsupport::FakeDialogPlatform dialogs;
    dialogs.open.answer = [&path](commondialog::OPENFILENAME& record) {
        testsupport::writeBuffer(record.lpstrFile, path.string());
        return commondialog::kDialogAccepted;
    };
    testsupport::RecordingMessageBox messageBox;
    testsupport::RecordingShell shell;
    Form1 form({dialogs, messageBox, shell});
    const viewer::ViewerState& state = form.state();
    const bootfont::BootFontHeader& header = state.Header;
    const auto click = [&form](const char* name) {
        if (auto* button = form.findChild<QPushButton*>(QString::fromLatin1(name))) {
            button->click();
        }
    };

    // The open command reports a rejected file and any runtime error that ends it.
    click("Command1");
    if (messageBox.messages.empty()) {
        fuzzing::expect(header.NumSbcsChars < 1 || header.SbcsOffset < 1 ||
                            state.SbcsGlyphs.size() == header.NumSbcsChars,
                        "single-byte table size differs from its count");
        fuzzing::expect(header.NumDbcsChars < 1 || header.DbcsOffset < 1 ||
                            state.DbcsGlyphs.size() == header.NumDbcsChars,
                        "double-byte table size differs from its count");
    }
    // A hostile count is refused before its table is allocated.
    fuzzing::expect(state.SbcsGlyphs.size() <= 32768 && state.DbcsGlyphs.size() <= 32768,
                    "a glyph table larger than a 16-bit index can reach");

    // What the display buttons do next, whatever the open left; called directly, so they run even
    // where a rejected file disabled the buttons.
    // The last page start is as far as a 16-bit page start reaches.
    const std::int32_t count = header.NumDbcsChars;
    const auto lastPage = count < 1 ? 0 : std::min((count - 1) / 500 * 500, 32500);
    for (const auto& step : std::initializer_list<std::function<void()>>{
             [&] { form.ShowSBCS(); }, [&] { form.ShowDBCS(0); }, [&] { form.ShowDBCS(500); },
             [&] { form.ShowDBCS(static_cast<std::int16_t>(lastPage)); }}) {
        try {
            step();  // a runtime error ends the step, as the window's event boundary does
        } catch (const runtime::RuntimeError&) {
        }
    }
    // The previous and next buttons go through the window's own error reporting.
    click("Command4");
    click("Command5");
    return 0;
}
