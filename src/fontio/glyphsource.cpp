#include "fontio/glyphsource.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "fontio/bootfontsource.h"
#include "fontio/fontioerror.h"
#include "fontio/freetypesource.h"
#include "fontio/installedfont.h"
#include "fontio/unifontsource.h"

namespace fontio {

std::optional<SourceGlyph> GlyphSource::glyphForCode(const bootfont::CharacterCode& code,
                                                     int /*codePage*/) {
    std::optional<SourceGlyph> found = glyph(code.character);
    if (!found && code.unicode != code.character) {
        found = glyph(code.unicode);
    }
    return found;
}

std::unique_ptr<GlyphSource> openGlyphSource(const std::string& source) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(source, error);
    if (!fs::exists(status)) {
        if (const auto font = installedFont(source)) {
            return std::make_unique<FreeTypeSource>(source + " (" + font->file + ")", font->file,
                                                    font->face);
        }
        throw FontIoError(source + ": no such file, nor an installed font of that name");
    }
    if (!fs::is_regular_file(status)) {
        throw FontIoError(source + ": not a regular file");
    }
    std::ifstream in(source, std::ios::binary);
    char start[128] = {};
    in.read(start, sizeof start);
    if (!in && !in.eof()) {
        throw FontIoError(source + ": " + std::strerror(errno));
    }
    const std::string_view read(start, static_cast<std::size_t>(in.gcount()));
    if (BootFontSource::looksLikeBootFont(read)) {
        return std::make_unique<BootFontSource>(source);
    }
    if (UnifontSource::looksLikeHex(read)) {
        return std::make_unique<UnifontSource>(source);
    }
    return std::make_unique<FreeTypeSource>(source, source);
}

}  // namespace fontio
