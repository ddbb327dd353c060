#include "bootfont/fontcheck.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <exception>
#include <memory>

#include "bootfont/codepage.h"
#include "bootfont/headerfields.h"
#include "bootfont/languages.h"
#include "bootfont/leadranges.h"
#include "bootfont/valuetext.h"
#include "runtime/numbertext.h"

namespace bootfont {
namespace {

using runtime::countText;
using runtime::decimalText;

// A text line of more than 32 pixels (top pad, glyph, bottom pad) leaves fewer than the 15 lines
// of a 480-line boot screen that its menus need.
constexpr int kMaxLineHeight = 32;
constexpr int kGlyphHeight = static_cast<int>(kGlyphRows);

std::int64_t offsetOf(auto member) {
    return static_cast<std::int64_t>(fieldOffset(member));
}

// A table's place, codes and Unicode values, and its declaration for the findings' ids and
// sentences.
struct TableView {
    const TableExtent& extent;
    const GlyphTableDeclaration& declared;
    std::string name;  // in sentences
    std::vector<std::uint16_t> codes;
    std::vector<std::uint16_t> unicodes;

    std::string id(const char* what) const { return std::string(declared.key) + "-" + what; }
    std::string code(std::size_t index) const { return codeText(codes[index], extent.table); }
};

template <typename Record>
TableView viewOf(const TableExtent& extent, const std::vector<Record>& records) {
    const GlyphTableDeclaration& declared = glyphTable(extent.table);
    TableView view{extent, declared, std::string(declared.name), {}, {}};
    for (const Record& record : records) {
        view.codes.push_back(record.code());
        view.unicodes.push_back(record.unicode());
    }
    return view;
}

class Checker {
public:
    explicit Checker(const WholeFont& font) : font_(font) {}

    std::vector<Finding> run() {
        if (!font_.headerComplete()) {
            add(Severity::Error, "file-too-short",
                "the file is " + decimalText(font_.fileSize) + " bytes long, shorter than the " +
                    decimalText(kHeaderSize) + "-byte header");
        }
        if (!font_.hasSignature()) {
            add(Severity::Error, "bad-signature",
                "the file does not start with the signature 4D 64 65 54 (\"MdeT\"), so it is not "
                "a boot font; nothing else is checked",
                {}, {}, 0);
            return take();
        }
        const TableView sbcs = viewOf(font_.sbcs, font_.sbcsGlyphs);
        const TableView dbcs = viewOf(font_.dbcs, font_.dbcsGlyphs);
        for (const TableView* table : {&sbcs, &dbcs}) {
            checkPlace(*table);
            checkCodeOrder(*table);
        }
        checkOverlap();
        if (hasDbcsPlaceholder(font_)) {
            add(Severity::Note, "dbcs-placeholder",
                "the double-byte table is one blank record with code 0x0000 and the lead-byte "
                "table is empty, the placeholder of a font for a single-byte language",
                GlyphTable::Dbcs, 0, font_.dbcs.start);
        } else {
            checkLeadBytes(dbcs);
        }
        checkUnicode({&sbcs, &dbcs});
        checkMetrics();
        return take();
    }

private:
    void add(Severity severity, std::string id, std::string message,
             std::optional<GlyphTable> table = {}, std::optional<std::int64_t> index = {},
             std::optional<std::int64_t> offset = {}) {
        findings_.push_back({severity, std::move(id), std::move(message), table, index, offset});
    }

    std::vector<Finding> take() {
        std::ranges::stable_sort(findings_, {}, &Finding::severity);
        return std::move(findings_);
    }

    void checkPlace(const TableView& view) {
        const TableExtent& t = view.extent;
        if (t.count < 0) {
            add(Severity::Error, view.id("count-negative"),
                std::string("the ") + view.name + " glyph count is " + decimalText(t.count),
                t.table);
        }
        if (t.count >= 1 && t.offset < 1) {
            add(Severity::Error, view.id("offset-missing"),
                countText(t.count, std::string(view.name) + " glyph is",
                          std::string(view.name) + " glyphs are") +
                    " declared at offset " + decimalText(t.offset) + ", so nothing reads them",
                t.table);
        }
        if (!t.present) {
            return;
        }
        if (t.start < static_cast<std::int64_t>(kHeaderSize)) {
            add(Severity::Error, view.id("overlaps-header"),
                std::string("the ") + view.name + " table starts at offset " +
                    decimalText(t.start) + ", inside the " + decimalText(kHeaderSize) +
                    "-byte header",
                t.table, 0, t.start);
        }
        if (t.cut()) {
            add(Severity::Error, view.id("past-end"),
                std::string("the ") + view.name + " table runs to offset " + decimalText(t.end) +
                    ", past the end of the " + decimalText(font_.fileSize) + "-byte file; " +
                    decimalText(t.recordsInFile) + " of its " +
                    countText(t.count, "record", "records") +
                    (t.recordsInFile == 1 ? " is whole" : " are whole"),
                t.table, t.recordsInFile, font_.fileSize);
        }
        if (std::int64_t{t.dataLength} != t.end - t.start) {
            add(Severity::Error, view.id("length-not-whole"),
                std::string("the ") + view.name + " data length " + decimalText(t.dataLength) +
                    " is no whole number of records for " + countText(t.count, "glyph", "glyphs") +
                    "; they are read " + decimalText(static_cast<std::int64_t>(t.stride)) +
                    " bytes apart",
                t.table);
        }
        if (t.count > kViewerTableLimit) {
            add(Severity::Warning, "viewer-count-limit",
                decimalText(t.count) + " " + view.name + " glyphs are more than the " +
                    decimalText(kViewerTableLimit) + " the viewer can show",
                t.table);
        }
    }

    // The boot loader finds a glyph by searching the table, which works only when its codes
    // ascend and each appears once.
    void checkCodeOrder(const TableView& view) {
        const auto& codes = view.codes;
        for (std::size_t i = 1; i < codes.size(); ++i) {
            if (codes[i] < codes[i - 1]) {
                add(Severity::Error, view.id("codes-unsorted"),
                    std::string("the ") + view.name + " codes do not ascend: " + view.code(i) +
                        " at index " + decimalText(static_cast<std::int64_t>(i)) + " follows " +
                        view.code(i - 1),
                    view.extent.table, static_cast<std::int64_t>(i), recordOffset(view, i));
                break;
            }
        }
        auto seen = std::make_unique<std::bitset<0x10000>>();
        std::int64_t repeats = 0;
        std::size_t first = 0;
        for (std::size_t i = 0; i < codes.size(); ++i) {
            if (seen->test(codes[i]) && repeats++ == 0) {
                first = i;
            }
            seen->set(codes[i]);
        }
        if (repeats > 0) {
            add(Severity::Error, view.id("code-repeated"),
                countText(repeats, std::string(view.name) + " record repeats",
                          std::string(view.name) + " records repeat") +
                    " an earlier code; the first is " + view.code(first) + " at index " +
                    decimalText(static_cast<std::int64_t>(first)),
                view.extent.table, static_cast<std::int64_t>(first), recordOffset(view, first));
        }
    }

    std::int64_t recordOffset(const TableView& view, std::size_t index) const {
        return view.extent.start + static_cast<std::int64_t>(index * view.extent.stride);
    }

    void checkOverlap() {
        const TableExtent& a = font_.sbcs;
        const TableExtent& b = font_.dbcs;
        if (a.present && b.present && a.start < b.end && b.start < a.end) {
            add(Severity::Error, "tables-overlap",
                "the single-byte table (offsets " + decimalText(a.start) + " to " +
                    decimalText(a.end) + ") and the double-byte table (" + decimalText(b.start) +
                    " to " + decimalText(b.end) + ") share bytes",
                {}, {}, std::max(a.start, b.start));
        }
    }

    void checkLeadBytes(const TableView& dbcs) {
        const auto& table = font_.header.DbcsLeadTable;
        const auto ranges = leadByteRanges(font_.header);
        const std::int64_t leadTable = offsetOf(&BootFontHeader::DbcsLeadTable);
        // The boot loader reads five ranges and needs the 00 00 pair after them: the glyphs of a
        // sixth range, or of a table without its end, are beyond its reach.
        if (!leadTableTerminated(font_.header)) {
            add(Severity::Error, "bad-lead-table",
                "the lead-byte table holds six ranges or lacks its ending 00 00 pair; the boot "
                "loader reads at most five ranges, ended by 00 00",
                {}, {}, leadTable);
        } else {
            const std::size_t used = ranges.size() * 2;
            const bool trailingBytes =
                std::any_of(table.begin() + static_cast<std::ptrdiff_t>(used), table.end(),
                            [](std::uint8_t b) { return b != 0; });
            const bool reversed =
                std::ranges::any_of(ranges, [](const LeadRange& r) { return r.first > r.last; });
            if (trailingBytes || reversed) {
                add(Severity::Warning, "bad-lead-table",
                    "the lead-byte table is not up to five (first, last) ranges ended by 00 00", {},
                    {}, leadTable);
            }
        }
        std::array<bool, kMaxDbcsRange + 1> rangeUsed{};
        std::int64_t outside = 0;
        std::size_t first = 0;
        for (std::size_t i = 0; i < dbcs.codes.size(); ++i) {
            const std::uint8_t lead = leadByte(dbcs.codes[i]);
            bool inside = false;
            for (std::size_t r = 0; r < ranges.size(); ++r) {
                if (lead >= ranges[r].first && lead <= ranges[r].last) {
                    rangeUsed[r] = inside = true;
                }
            }
            if (!inside && outside++ == 0) {
                first = i;
            }
        }
        if (outside > 0) {
            add(Severity::Error, "lead-byte-outside-ranges",
                countText(outside, "double-byte code has", "double-byte codes have") +
                    " a lead byte outside the header's ranges; the first is " + dbcs.code(first) +
                    " at index " + decimalText(static_cast<std::int64_t>(first)),
                GlyphTable::Dbcs, static_cast<std::int64_t>(first), recordOffset(dbcs, first));
        }
        // A table cut short says nothing about which ranges its missing records use.
        for (std::size_t r = 0; r < ranges.size() && !font_.dbcs.cut(); ++r) {
            if (!rangeUsed[r]) {
                add(Severity::Warning, "lead-range-unused",
                    "no double-byte code has a lead byte in the range " + leadRangeText(ranges[r]),
                    GlyphTable::Dbcs, {}, leadTable + static_cast<std::int64_t>(2 * r));
            }
        }
    }

    void checkUnicode(std::initializer_list<const TableView*> tables) {
        const bool anyUnicode = std::ranges::any_of(tables, [](const TableView* view) {
            return std::ranges::any_of(view->unicodes, [](std::uint16_t u) { return u != 0; });
        });
        if (!anyUnicode) {
            return;
        }
        const std::unique_ptr<CodePage> codePage = openLanguageCodePage(font_.header.LanguageId);
        if (!codePage) {
            add(Severity::Note, "unknown-code-page",
                "the records carry Unicode values, but the language " +
                    runtime::hexCode(static_cast<std::uint32_t>(font_.header.LanguageId)) +
                    " has no code page known here to check them against");
            return;
        }
        for (const TableView* view : tables) {
            checkUnicode(*view, *codePage);
        }
    }

    void checkUnicode(const TableView& view, const CodePage& codePage) {
        std::int64_t mismatches = 0;
        std::string example;
        std::size_t first = 0;
        const auto characters =
            codePage.toUnicode(view.codes, static_cast<int>(view.declared.plain.codeBytes));
        for (std::size_t i = 0; i < view.codes.size(); ++i) {
            const std::uint16_t carried = view.unicodes[i];
            if (carried == 0) {
                continue;  // the record carries no Unicode value
            }
            const std::optional<char32_t> expected = characters[i];
            // Code pages map the bytes below 0x20 and 0x7F to control characters, where a font
            // draws the symbols of the text screen (☺, ♪, ⌂): those carry no checkable value.
            if (expected && (*expected < 0x20 || *expected == 0x7F)) {
                continue;
            }
            if (expected != char32_t{carried} && mismatches++ == 0) {
                first = i;
                example =
                    "the first, " + view.code(i) + " at index " +
                    decimalText(static_cast<std::int64_t>(i)) + ", carries " +
                    runtime::codePointText(carried) + " where the code page gives " +
                    (expected ? runtime::codePointText(*expected) : std::string("no character"));
            }
        }
        if (mismatches > 0) {
            add(Severity::Warning, "unicode-mismatch",
                countText(mismatches, std::string(view.name) + " record carries",
                          std::string(view.name) + " records carry") +
                    " a Unicode value that is not its code's character in code page " +
                    decimalText(codePage.number()) + "; " + example,
                view.extent.table, static_cast<std::int64_t>(first), recordOffset(view, first));
        }
    }

    void checkMetrics() {
        const BootFontHeader& h = font_.header;
        if (!font_.sbcs.present && !font_.dbcs.present) {
            return;
        }
        const int height = h.CharacterImageHeight;
        if (height != kGlyphHeight) {
            add(height == 0 ? Severity::Error : Severity::Warning, "bad-height",
                "the glyph height is " + decimalText(height) + "; every record holds " +
                    decimalText(kGlyphHeight) + " rows",
                {}, {}, offsetOf(&BootFontHeader::CharacterImageHeight));
        }
        const int line = h.CharacterTopPad + height + h.CharacterBottomPad;
        if (line > kMaxLineHeight) {
            add(Severity::Warning, "bad-pad",
                "the pads make each text line " + decimalText(line) +
                    " pixels high; a 480-line boot screen then holds fewer than " +
                    decimalText(480 / kMaxLineHeight) + " lines",
                {}, {}, offsetOf(&BootFontHeader::CharacterTopPad));
        }
        // A placeholder's width draws nothing.
        const bool placeholder = hasDbcsPlaceholder(font_);
        for (const GlyphTableDeclaration& table : kGlyphTables) {
            const int width = h.*table.width;
            if (font_.extent(table.table).present && width != table.pixelWidth &&
                !(placeholder && table.table == GlyphTable::Dbcs)) {
                add(width == 0 ? Severity::Error : Severity::Warning, "bad-width",
                    "the " + std::string(table.name) + " glyph width is " + decimalText(width) +
                        "; its bitmaps are " + decimalText(table.pixelWidth) + " pixels wide",
                    table.table, {}, offsetOf(table.width));
            }
        }
    }

    const WholeFont& font_;
    std::vector<Finding> findings_;
};

}  // namespace

std::string_view severityName(Severity severity) {
    switch (severity) {
        case Severity::Error:
            return "error";
        case Severity::Warning:
            return "warning";
        case Severity::Note:
            return "note";
    }
    return "error";
}

std::vector<Finding> checkFont(const WholeFont& font) {
    return Checker(font).run();
}

}  // namespace bootfont
