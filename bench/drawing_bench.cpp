// Drawing a full page of 500 double-byte glyphs with every pixel inked: 128,000 pixel sets into
// the picture's persistent image, plus decoding and the cell layout.
#include <benchmark/benchmark.h>
#include <QApplication>

#include "commondialog/fakedialogplatform.h"
#include "support/fakeservices.h"
#include "viewer/form1.h"

namespace {

void BM_ShowDbcsFullyInkedPage(benchmark::State& run) {
    testsupport::FakeDialogPlatform dialogs;
    testsupport::RecordingMessageBox messageBox;
    testsupport::RecordingShell shell;
    Form1 form({dialogs, messageBox, shell});
    auto& state = form.state();
    state.Header.NumDbcsChars = 500;
    state.Header.DbcsOffset = 49;
    state.Header.CharacterImageDbcsWidth = 16;
    state.Header.CharacterImageHeight = 16;
    state.DbcsGlyphs = runtime::CheckedArray<bootfont::DbcsGlyphRecord>::zeroed(500);
    for (auto& glyph : state.DbcsGlyphs) {
        glyph.Bitmap.fill(0xFF);
    }
    for (auto _ : run) {
        form.ShowDBCS(0);
    }
    run.SetItemsProcessed(run.iterations() * 500 * 256);
}
BENCHMARK(BM_ShowDbcsFullyInkedPage)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
