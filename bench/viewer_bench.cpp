// The viewer's hot paths with a real window (offscreen): the open command on a full Simplified
// Chinese font, turning to the next page, the worst page, every pixel inked, the pointer moving
// over a page, the tooltip with its magnified glyph; loading the English translation at start-up;
// a stroke in the glyph editor, an applied glyph edit, and a save of the largest sample.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QHelpEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QTest>
#include <QTranslator>
#include <filesystem>
#include <vector>

#include "commondialog/fakedialogplatform.h"
#include "support/bootfontbuilder.h"
#include "support/fakeservices.h"
#include "support/tempdir.h"
#include "viewer/fontdocument.h"
#include "viewer/fontediting.h"
#include "viewer/fontsaver.h"
#include "viewer/form1.h"
#include "viewer/glypheditordialog.h"
#include "viewer/glyphpicture.h"
#include "viewer/glyphpreview.h"
#include "viewer/interfacelanguage.h"
#include "viewer/pixeleditor.h"
#include "viewer/windowmessages.h"

namespace {

// As many glyphs as GB2312 has, after 95 ASCII ones.
constexpr std::uint32_t kSbcsGlyphs = 95;
constexpr std::uint32_t kDbcsGlyphs = 7445;

class Viewer {
public:
    Viewer() {
        testsupport::BootFontBuilder font;
        font.sbcsTable(49, testsupport::sbcsGlyphs(kSbcsGlyphs))
            .dbcsTable(49 + kSbcsGlyphs * 17, testsupport::dbcsGlyphs(kDbcsGlyphs));
        font.header().LanguageId = 0x804;
        font.header().CharacterImageHeight = 16;
        font.header().CharacterImageSbcsWidth = 8;
        font.header().CharacterImageDbcsWidth = 16;
        const auto path = font.writeTo(dir.path() / "bootfont.bin");
        dialogs.open.answer = [path](commondialog::OPENFILENAME& record) {
            testsupport::writeBuffer(record.lpstrFile, path.string());
            return commondialog::kDialogAccepted;
        };
    }

    testsupport::TempDir dir;
    testsupport::FakeDialogPlatform dialogs;
    testsupport::RecordingMessageBox messageBox;
    testsupport::RecordingShell shell;
    Form1 form{{dialogs, messageBox, shell}};
};

// Dialog answered at once, then: open, header, both tables, the single-byte view, close.
void BM_OpenCommand7445Glyphs(benchmark::State& run) {
    Viewer viewer;
    for (auto _ : run) {
        viewer.form.GetAllFonts();
    }
    if (!viewer.messageBox.messages.empty() ||
        viewer.form.state().DbcsGlyphs.size() != kDbcsGlyphs) {
        run.SkipWithError("the font did not load");
    }
}
BENCHMARK(BM_OpenCommand7445Glyphs)->Unit(benchmark::kMicrosecond);

// What the next-page button draws: 500 double-byte glyphs.
void BM_NextPage(benchmark::State& run) {
    Viewer viewer;
    viewer.form.GetAllFonts();
    for (auto _ : run) {
        viewer.form.ShowDBCS(500);
    }
}
BENCHMARK(BM_NextPage)->Unit(benchmark::kMicrosecond);

// The worst page: 500 glyphs with all 256 pixels inked, 128,000 pixel sets.
void BM_ShowDbcsFullyInkedPage(benchmark::State& run) {
    Viewer viewer;
    auto& state = viewer.form.state();
    state.Header.NumDbcsChars = 500;
    state.Header.DbcsOffset = 49;
    state.Header.CharacterImageDbcsWidth = 16;
    state.Header.CharacterImageHeight = 16;
    state.DbcsGlyphs = runtime::CheckedArray<bootfont::DbcsGlyphRecord>::zeroed(500);
    for (auto& glyph : state.DbcsGlyphs) {
        glyph.Bitmap.fill(0xFF);
    }
    for (auto _ : run) {
        viewer.form.ShowDBCS(0);
    }
    run.SetItemsProcessed(run.iterations() * 500 * 256);
}
BENCHMARK(BM_ShowDbcsFullyInkedPage)->Unit(benchmark::kMicrosecond);

// One pointer move over the picture, as the window receives it: the glyph under the pointer is
// found, and on a move onto another glyph its description is built for screen readers. The moves
// sweep the page row by row, two pixels at a time, so most stay on a glyph or a gap and some
// reach the next glyph.
void BM_PointerMoveOverPage(benchmark::State& run) {
    Viewer viewer;
    viewer.form.GetAllFonts();
    viewer.form.ShowDBCS(0);
    auto* picture = viewer.form.findChild<GlyphPicture*>(QStringLiteral("Picture1"));
    std::vector<QPointF> points;
    for (int y = 2; y < picture->height(); y += 7) {
        for (int x = 2; x < picture->width(); x += 2) {
            points.emplace_back(x, y);
        }
    }
    std::size_t next = 0;
    for (auto _ : run) {
        const QPointF point = points[next];
        next = (next + 1) % points.size();
        QMouseEvent move(QEvent::MouseMove, point, picture->mapToGlobal(point), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &move);
    }
    if (picture->accessibleDescription().isEmpty() &&
        picture->glyphDescriptionAt({5, 5}).isEmpty()) {
        run.SkipWithError("no glyph named itself");
    }
}
BENCHMARK(BM_PointerMoveOverPage);

// What main() adds to the start-up for a system that is not Chinese: choosing the language from
// the system's, loading the English .qm from the program's resources and installing it (before any
// window exists, so no widget has to be told). The translator is removed again as it goes.
void BM_LoadEnglishTranslation(benchmark::State& run) {
    for (auto _ : run) {
        QTranslator translator;
        viewer::interfaceLanguage(QLocale::system().uiLanguages());
        if (!viewer::installInterfaceTranslation(translator, viewer::InterfaceLanguage::English)) {
            run.SkipWithError("the translation did not load");
        }
    }
}
BENCHMARK(BM_LoadEnglishTranslation)->Unit(benchmark::kMicrosecond);

// The pointer rests on a glyph: the tooltip event finds it, describes it, draws it magnified and
// shows the tip with both; with `paint`, the tip is painted too before the next one. Two glyphs
// in turn, so every tip is a new one.
void glyphToolTip(benchmark::State& run, bool paint) {
    Viewer viewer;
    viewer.form.GetAllFonts();
    viewer.form.ShowDBCS(0);
    auto* picture = viewer.form.findChild<GlyphPicture*>(QStringLiteral("Picture1"));
    const QPoint points[] = {{10, 10}, {31, 10}};
    int next = 0;
    for (auto _ : run) {
        const QPoint point = points[next];
        next = 1 - next;
        QHelpEvent rest(QEvent::ToolTip, point, picture->mapToGlobal(point));
        QCoreApplication::sendEvent(picture, &rest);
        if (paint) {
            QCoreApplication::processEvents();
        }
    }
    if (picture->toolTipText().isEmpty() || picture->toolTipPicture().isNull()) {
        run.SkipWithError("no tooltip with a picture");
    }
}
void BM_GlyphToolTip(benchmark::State& run) {
    glyphToolTip(run, false);
}
BENCHMARK(BM_GlyphToolTip)->Unit(benchmark::kMicrosecond);
void BM_GlyphToolTipPainted(benchmark::State& run) {
    glyphToolTip(run, true);
}
BENCHMARK(BM_GlyphToolTipPainted)->Unit(benchmark::kMicrosecond);

// A click on one pixel of a double-byte glyph in the editor dialog, shown offscreen: the stroke
// pushed, the previews drawn again (a boot line of 40 double-byte cells, the screen's width) and
// the changed pixel and previews painted.
void BM_GlyphEditorStroke(benchmark::State& run) {
    GlyphEditRequest request;
    request.table = bootfont::GlyphTable::Dbcs;
    request.columns = 16;
    request.bitmap.assign(32, 0x5A);
    request.original = request.bitmap;
    request.line.assign(40, request.bitmap);
    request.editedCell = 20;
    GlyphEditorDialog dialog(request);
    dialog.show();
    const QPoint point = dialog.editor()->pixelRect({7, 7}).center();
    for (auto _ : run) {
        QTest::mouseClick(dialog.editor(), Qt::LeftButton, {}, point);
        QCoreApplication::processEvents();
    }
    if (dialog.preview()->lineImage().width() != 640) {
        run.SkipWithError("no boot line");
    }
}
BENCHMARK(BM_GlyphEditorStroke)->Unit(benchmark::kMicrosecond);

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
