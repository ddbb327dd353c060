// libFuzzer target: arbitrary bytes through the bootfont command's lenient reader and its checks.
// Neither may fail on any content; a sanitizer report, a crash, a hang, runaway memory, a table
// read past what the file holds, a file read otherwise than the same bytes in memory or a finding
// without an id or a sentence is a finding.
#include <algorithm>
#include <cstdint>
#include <span>

#include "bootfont/fontcheck.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bootfont::FontFileReader file(fuzzing::writeInput(data, size));
    const bootfont::WholeFont font = bootfont::readWholeFont(file);
    const bootfont::WholeFont fromBytes = bootfont::readWholeFont(std::span(data, size));
    fuzzing::expect(fromBytes.header == font.header && fromBytes.sbcsGlyphs == font.sbcsGlyphs &&
                        fromBytes.dbcsGlyphs == font.dbcsGlyphs,
                    "the file and its bytes read differently");
    for (const bootfont::TableExtent* table : {&font.sbcs, &font.dbcs}) {
        fuzzing::expect(table->recordsInFile * static_cast<std::int64_t>(table->stride) <=
                            std::max<std::int64_t>(font.fileSize - table->start, 0),
                        "a table read past the end of the file");
    }
    for (const bootfont::Finding& finding : bootfont::checkFont(font)) {
        fuzzing::expect(!finding.id.empty() && !finding.message.empty(),
                        "a finding without id or sentence");
    }
    return 0;
}
