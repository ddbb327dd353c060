// libFuzzer target: arbitrary bytes through the bootfont command's lenient reader and its checks.
// Neither may fail on any content; a sanitizer report, a crash, a hang, runaway memory, a table
// read past what the file holds, a file read otherwise than the same bytes in memory or a finding
// without an id or a sentence is a finding.
#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <span>
#include <string>

#include "bootfont/fontcheck.h"

namespace {

void expect(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "wholefont_fuzzer: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An anonymous in-memory file, opened by its /proc path like any regular file.
    static const int fd = ::memfd_create("BOOTFONT.BIN", MFD_CLOEXEC);
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    bootfont::FontFileReader file(path);
    const bootfont::WholeFont font = bootfont::readWholeFont(file);
    const bootfont::WholeFont fromBytes = bootfont::readWholeFont(std::span(data, size));
    expect(fromBytes.header == font.header && fromBytes.sbcsGlyphs == font.sbcsGlyphs &&
               fromBytes.dbcsGlyphs == font.dbcsGlyphs,
           "the file and its bytes read differently");
    for (const bootfont::TableExtent* table : {&font.sbcs, &font.dbcs}) {
        expect(table->recordsInFile * static_cast<std::int64_t>(table->stride) <=
                   std::max<std::int64_t>(font.fileSize - table->start, 0),
               "a table read past the end of the file");
    }
    for (const bootfont::Finding& finding : bootfont::checkFont(font)) {
        expect(!finding.id.empty() && !finding.message.empty(), "a finding without id or sentence");
    }
    return 0;
}
