// Loading a glyph table from a file in the page cache, against the cost of copying its bytes.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bootfont/fontloader.h"
#include "bootfont/glyphtables.h"
#include "support/bootfontbuilder.h"
#include "support/tempdir.h"

namespace {

// A full Simplified Chinese boot font holds 7,445 double-byte glyphs.
constexpr std::uint32_t kDbcsGlyphs = 7445;
constexpr std::size_t kDbcsStride = bootfont::glyphTable(bootfont::GlyphTable::Dbcs).fixedStride();

void BM_GetDbcs7445Glyphs(benchmark::State& run) {
    testsupport::TempDir dir;
    const auto path = testsupport::BootFontBuilder()
                          .sbcsTable(49, testsupport::sbcsGlyphs(95))
                          .dbcsTable(49 + 95 * 17, testsupport::dbcsGlyphs(kDbcsGlyphs))
                          .writeTo(dir / "font.bin");
    bootfont::FontFileReader file(path);
    bootfont::LoadedFont state;
    bootfont::readHeader(state, file);
    for (auto _ : run) {
        bootfont::GetDbcs(state, file);
        benchmark::DoNotOptimize(state.DbcsGlyphs[kDbcsGlyphs - 1]);
    }
    run.SetBytesProcessed(run.iterations() * kDbcsGlyphs * kDbcsStride);
}
BENCHMARK(BM_GetDbcs7445Glyphs)->Unit(benchmark::kMicrosecond);

void BM_OpenAndLoadWholeFile(benchmark::State& run) {
    testsupport::TempDir dir;
    const auto path = testsupport::BootFontBuilder()
                          .sbcsTable(49, testsupport::sbcsGlyphs(95))
                          .dbcsTable(49 + 95 * 17, testsupport::dbcsGlyphs(kDbcsGlyphs))
                          .writeTo(dir / "font.bin");
    bootfont::LoadedFont state;
    for (auto _ : run) {
        bootfont::FontFileReader file(path);
        bootfont::readHeader(state, file);
        bootfont::GetSbcs(state, file);
        bootfont::GetDbcs(state, file);
        benchmark::DoNotOptimize(state.DbcsGlyphs[0]);
    }
}
BENCHMARK(BM_OpenAndLoadWholeFile)->Unit(benchmark::kMicrosecond);

// The same table read from an opened file's bytes, as the window reads a FontFile.
void BM_GetDbcs7445GlyphsFromBytes(benchmark::State& run) {
    testsupport::TempDir dir;
    const auto path = testsupport::BootFontBuilder()
                          .sbcsTable(49, testsupport::sbcsGlyphs(95))
                          .dbcsTable(49 + 95 * 17, testsupport::dbcsGlyphs(kDbcsGlyphs))
                          .writeTo(dir / "font.bin");
    const bootfont::FontFile file = bootfont::FontFile::open(path);
    bootfont::LoadedFont state;
    bootfont::readHeader(state, file);
    for (auto _ : run) {
        bootfont::GetDbcs(state, file);
        benchmark::DoNotOptimize(state.DbcsGlyphs[kDbcsGlyphs - 1]);
    }
    run.SetBytesProcessed(run.iterations() * kDbcsGlyphs * kDbcsStride);
}
BENCHMARK(BM_GetDbcs7445GlyphsFromBytes)->Unit(benchmark::kMicrosecond);

// Opening a file whole (its bytes, the document) and loading both tables from them.
void BM_OpenFontFileAndLoad(benchmark::State& run) {
    testsupport::TempDir dir;
    const auto path = testsupport::BootFontBuilder()
                          .sbcsTable(49, testsupport::sbcsGlyphs(95))
                          .dbcsTable(49 + 95 * 17, testsupport::dbcsGlyphs(kDbcsGlyphs))
                          .writeTo(dir / "font.bin");
    bootfont::LoadedFont state;
    for (auto _ : run) {
        const bootfont::FontFile file = bootfont::FontFile::open(path);
        bootfont::readHeader(state, file);
        bootfont::GetSbcs(state, file);
        bootfont::GetDbcs(state, file);
        benchmark::DoNotOptimize(state.DbcsGlyphs[0]);
    }
}
BENCHMARK(BM_OpenFontFileAndLoad)->Unit(benchmark::kMicrosecond);

// The floor: copying the table's bytes once, with nothing decoded.
void BM_CopyTableBytes(benchmark::State& run) {
    const std::size_t size = kDbcsGlyphs * kDbcsStride;
    std::vector<char> from(size, 1);
    std::vector<char> to(size);
    for (auto _ : run) {
        std::memcpy(to.data(), from.data(), size);
        benchmark::ClobberMemory();
    }
    run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations() * size));
}
BENCHMARK(BM_CopyTableBytes)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
