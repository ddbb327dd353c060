#include "fontio/bootfontsource.h"

#include <algorithm>

#include "bootfont/bootfonterror.h"
#include "bootfont/fontfile.h"
#include "bootfont/headerfields.h"
#include "bootfont/languages.h"
#include "fontio/fontioerror.h"

namespace fontio {
namespace {

using Index = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

template <typename Record>
void indexTable(const std::vector<Record>& records, Index& byCode, Index& byUnicode) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto index = static_cast<std::uint32_t>(i);
        byCode.emplace_back(records[i].code(), index);
        if (records[i].unicode() != 0) {
            byUnicode.emplace_back(records[i].unicode(), index);
        }
    }
    std::ranges::stable_sort(byCode, {}, &std::pair<std::uint32_t, std::uint32_t>::first);
    std::ranges::stable_sort(byUnicode, {}, &std::pair<std::uint32_t, std::uint32_t>::first);
}

template <typename Record>
SourceGlyph glyphOf(const Record& record) {
    SourceGlyph glyph;
    glyph.width = Record::kWidth;
    glyph.rows = static_cast<int>(bootfont::kGlyphRows);
    glyph.pitch = glyph.width / 8;
    glyph.top = glyph.rows - bootfont::kRowsBelowBaseline;
    glyph.baselineRow = glyph.top;
    glyph.advance = glyph.width;
    glyph.bits.assign(record.Bitmap.begin(), record.Bitmap.end());
    return glyph;
}

}  // namespace

BootFontSource::BootFontSource(const std::string& file) {
    try {
        font_ = bootfont::FontFile::open(file).font();
    } catch (const bootfont::BootFontError& error) {
        throw FontIoError(file + ": " + error.reason());
    }
    if (font_.sbcs.cut() || font_.dbcs.cut()) {
        throw FontIoError(
            file + ": a glyph table runs past the end of the file; bootfont check says more");
    }
    codePage_ = bootfont::codePageForLanguage(font_.header.LanguageId);
    indexTable(font_.sbcsGlyphs, sbcsByCode_, sbcsByUnicode_);
    indexTable(font_.dbcsGlyphs, dbcsByCode_, dbcsByUnicode_);
}

bool BootFontSource::looksLikeBootFont(std::string_view start) {
    return bootfont::hasBootFontSignature(
        std::span(reinterpret_cast<const std::uint8_t*>(start.data()), start.size()));
}

std::optional<std::uint32_t> BootFontSource::find(const Index& index, std::uint32_t key) {
    const auto found = std::ranges::lower_bound(index, key, {}, &Index::value_type::first);
    return found != index.end() && found->first == key ? std::optional(found->second)
                                                       : std::nullopt;
}

std::optional<SourceGlyph> BootFontSource::glyphAt(bool doubleByte, std::uint32_t index) const {
    return doubleByte ? glyphOf(font_.dbcsGlyphs[index]) : glyphOf(font_.sbcsGlyphs[index]);
}

std::optional<SourceGlyph> BootFontSource::byUnicode(char32_t character,
                                                     bool doubleByteFirst) const {
    if (character == 0 || character > 0xFFFF) {
        return std::nullopt;  // records carry 16 bits, and 0 for none
    }
    for (const bool doubleByte : {doubleByteFirst, !doubleByteFirst}) {
        if (const auto index = find(doubleByte ? dbcsByUnicode_ : sbcsByUnicode_, character)) {
            return glyphAt(doubleByte, *index);
        }
    }
    return std::nullopt;
}

std::optional<SourceGlyph> BootFontSource::glyph(char32_t character) {
    return byUnicode(character, false);
}

std::optional<SourceGlyph> BootFontSource::glyphForCode(const bootfont::CharacterCode& code,
                                                        int codePage) {
    const bool wide = code.doubleByte;
    const auto sameCode = find(wide ? dbcsByCode_ : sbcsByCode_, code.code);
    const std::uint16_t carried = !sameCode ? 0
                                  : wide    ? font_.dbcsGlyphs[*sameCode].unicode()
                                            : font_.sbcsGlyphs[*sameCode].unicode();
    if (sameCode && carried != 0 && (carried == code.character || carried == code.unicode)) {
        return glyphAt(wide, *sameCode);
    }
    for (const char32_t character : {code.character, code.unicode}) {
        if (auto found = byUnicode(character, wide)) {
            return found;
        }
    }
    if (sameCode && carried == 0 && codePage_ == codePage) {
        return glyphAt(wide, *sameCode);
    }
    return std::nullopt;
}

}  // namespace fontio
