#include "viewer/glyphsearch.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>

#include "bootfont/codepage.h"

namespace viewer {
namespace {

constexpr std::array kTables = {bootfont::GlyphTable::Sbcs, bootfont::GlyphTable::Dbcs};

// The glyphs of a table that belong to the file whose header is loaded.
template <typename Record>
int glyphCount(const runtime::CheckedArray<Record>& table, std::int32_t count,
               std::int32_t offset) {
    return bootfont::tablePresent(count, offset)
               ? static_cast<int>(std::min<std::int64_t>(count, table.size()))
               : 0;
}

template <typename Record>
bool matches(const Record& record, const bootfont::CodePage* codePage, const GlyphQuery& query) {
    if (query.kind == GlyphQuery::Kind::Code) {
        return record.code() == query.value;
    }
    const auto character = bootfont::glyphUnicode(record, codePage);
    return character && character->value == query.value;
}

}  // namespace

std::optional<GlyphQuery> parseGlyphQuery(const QString& text) {
    const QString query = text.trimmed();
    const QList<uint> characters = query.toUcs4();
    if (characters.size() == 1) {
        return GlyphQuery{GlyphQuery::Kind::Character, characters.front()};
    }
    static const QRegularExpression unicode(QStringLiteral("^[Uu]\\+([0-9A-Fa-f]{1,6})$"));
    static const QRegularExpression code(QStringLiteral("^(?:0[xX])?([0-9A-Fa-f]{1,4})$"));
    if (const auto match = unicode.match(query); match.hasMatch()) {
        const char32_t value = match.captured(1).toUInt(nullptr, 16);
        if (value > 0x10FFFF) {
            return std::nullopt;
        }
        return GlyphQuery{GlyphQuery::Kind::Character, value};
    }
    if (const auto match = code.match(query); match.hasMatch()) {
        return GlyphQuery{GlyphQuery::Kind::Code, match.captured(1).toUInt(nullptr, 16)};
    }
    return std::nullopt;
}

std::optional<GlyphPlace> findGlyph(const bootfont::LoadedFont& font,
                                    const bootfont::CodePage* codePage, const GlyphQuery& query,
                                    std::optional<GlyphPlace> after) {
    const auto& header = font.Header;
    const int counts[] = {glyphCount(font.SbcsGlyphs, header.NumSbcsChars, header.SbcsOffset),
                          glyphCount(font.DbcsGlyphs, header.NumDbcsChars, header.DbcsOffset)};
    const auto matchAt = [&](int table, int index) {
        return table == 0 ? matches(font.SbcsGlyphs[index], codePage, query)
                          : matches(font.DbcsGlyphs[index], codePage, query);
    };
    // The glyphs in search order, numbered from 0: the single-byte table, then the double-byte.
    const int total = counts[0] + counts[1];
    int start = 0;
    if (after) {
        start = (after->table == bootfont::GlyphTable::Sbcs ? 0 : counts[0]) + after->index + 1;
    }
    for (int step = 0; step < total; ++step) {
        const int n = (start + step) % total;
        const int table = n < counts[0] ? 0 : 1;
        const int index = table == 0 ? n : n - counts[0];
        if (matchAt(table, index)) {
            return GlyphPlace{kTables[static_cast<std::size_t>(table)], index};
        }
    }
    return std::nullopt;
}

}  // namespace viewer
