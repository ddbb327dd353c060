#include "viewer/glyphdescriber.h"

#include <type_traits>

#include "bootfont/fontfile.h"
#include "bootfont/valuetext.h"
#include "glyphview/glyphdrawing.h"
#include "viewer/glyphdescription.h"

namespace {

// `use` of the spot's record in `font`'s tables; an empty result when the table is too short.
template <typename Use>
auto withRecord(const bootfont::LoadedFont& font, const glyphview::GlyphSpot& spot, Use use) {
    using Result = std::invoke_result_t<Use, const bootfont::SbcsGlyphRecord&>;
    if (spot.table == bootfont::GlyphTable::Sbcs) {
        return spot.index < font.SbcsGlyphs.size() ? use(font.SbcsGlyphs[spot.index]) : Result();
    }
    return spot.index < font.DbcsGlyphs.size() ? use(font.DbcsGlyphs[spot.index]) : Result();
}

}  // namespace

GlyphDescriber::GlyphDescriber(const bootfont::LoadedFont& font) : font_(font) {}

GlyphDescriber::~GlyphDescriber() = default;

void GlyphDescriber::fontOpened(const bootfont::FontFile& file) {
    file_ = &file;
}

const bootfont::CodePage* GlyphDescriber::codePage() {
    return file_ ? file_->codePage() : nullptr;
}

QString GlyphDescriber::describe(const glyphview::GlyphSpot& spot) {
    return withRecord(font_, spot, [&](const auto& record) {
        return viewer::glyphDescription(spot, record, codePage());
    });
}

std::optional<char32_t> GlyphDescriber::character(const glyphview::GlyphSpot& spot) {
    return withRecord(font_, spot, [&](const auto& record) -> std::optional<char32_t> {
        if (const auto character = bootfont::glyphUnicode(record, codePage())) {
            return character->value;
        }
        return std::nullopt;
    });
}

QString GlyphDescriber::code(const glyphview::GlyphSpot& spot) const {
    return withRecord(font_, spot, [&](const auto& record) {
        return QString::fromStdString(bootfont::codeText(record.code(), spot.table));
    });
}

QImage GlyphDescriber::magnify(const glyphview::GlyphSpot& spot) const {
    const auto& header = font_.Header;
    const std::uint8_t width = header.*bootfont::glyphTable(spot.table).width;
    return withRecord(font_, spot, [&](const auto& record) {
        return glyphview::magnifiedGlyph(record, width, header.CharacterImageHeight);
    });
}
