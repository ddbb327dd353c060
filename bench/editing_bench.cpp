// The window's edits: an applied glyph edit drawn into the picture and painted (its cell only),
// and a save of the largest sample font with its check, written whole to a file of its own.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <filesystem>

#include "commondialog/fakedialogplatform.h"
#include "support/bootfontbuilder.h"
#include "support/fakeservices.h"
#include "support/tempdir.h"
#include "viewer/fontdocument.h"
#include "viewer/fontediting.h"
#include "viewer/fontsaver.h"
#include "viewer/form1.h"
#include "viewer/glyphpicture.h"
#include "viewer/windowmessages.h"

namespace {

namespace fs = std::filesystem;

// The largest sample: the Traditional Chinese font's 13,503 glyphs, built beside the program.
fs::path largestSample() {
    return QCoreApplication::applicationDirPath().toStdString() + "/bootfont/bootfont-zh-tw.bin";
}

// One edit of a glyph on show, as the editor's OK applies it: the bitmap into the file's bytes
// and the window's tables, its cell drawn again, and the picture painted. Each edit inverts the
// glyph's first row again, so every one is a change.
void BM_ApplyGlyphEdit(benchmark::State& run) {
    testsupport::FakeDialogPlatform dialogs;
    testsupport::RecordingMessageBox messageBox;
    testsupport::RecordingShell shell;
    Form1 form({dialogs, messageBox, shell});
    form.show();
    form.openFile(QString::fromStdString(largestSample().string()));
    form.ShowDBCS(0);
    auto* picture = form.findChild<GlyphPicture*>(QStringLiteral("Picture1"));
    viewer::FontDocument& document = *form.editing().document();
    auto bitmap = document.bitmap(bootfont::GlyphTable::Dbcs, 250);
    QCoreApplication::processEvents();
    for (auto _ : run) {
        bitmap[0] ^= 0xFF;
        bitmap[1] ^= 0xFF;
        document.editGlyph(bootfont::GlyphTable::Dbcs, 250, bitmap);
        picture->repaint();
    }
    if (!messageBox.messages.empty() || !picture->selectedGlyph()) {
        run.SkipWithError("the sample did not open, or the edit did not show");
    }
}
BENCHMARK(BM_ApplyGlyphEdit)->Unit(benchmark::kMicrosecond);

// Ctrl+S of the largest sample with one edited glyph: the bytes with the bitmap replaced, the
// font's check, and the write through a temporary file, flushed to the disk and renamed.
void BM_SaveLargestSample(benchmark::State& run) {
    testsupport::TempDir dir;
    const fs::path path = dir / "bootfont.bin";
    fs::copy_file(largestSample(), path);
    testsupport::FakeDialogPlatform dialogs;
    testsupport::RecordingMessageBox messageBox;
    const WindowMessages messages(messageBox, QStringLiteral("bench"));
    viewer::FontSaver saver(dialogs, messages);
    viewer::FontDocument document(bootfont::FontFile::open(path), path, viewer::fileStamp(path));
    auto bitmap = document.bitmap(bootfont::GlyphTable::Dbcs, 5000);
    for (auto _ : run) {
        bitmap[0] ^= 0xFF;
        document.editGlyph(bootfont::GlyphTable::Dbcs, 5000, bitmap);
        if (!saver.save(document)) {
            run.SkipWithError("the save failed or asked");
            break;
        }
    }
    run.SetBytesProcessed(run.iterations() * static_cast<std::int64_t>(fs::file_size(path)));
}
BENCHMARK(BM_SaveLargestSample)->Unit(benchmark::kMillisecond);

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
