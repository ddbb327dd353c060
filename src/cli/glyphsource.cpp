#include "cli/glyphsource.h"

#include <fontconfig/fontconfig.h>

#include <strings.h>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/fontinput.h"
#include "cli/freetypesource.h"
#include "cli/unifontsource.h"

namespace cli {
namespace {

// The file of the installed font whose family is `name`; nullopt when fontconfig knows none.
// fontconfig always offers its best match, so the match must carry the family asked for.
std::optional<std::string> installedFontFile(const std::string& name) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(name.c_str()));
    if (!pattern) {
        return std::nullopt;
    }
    FcChar8* family = nullptr;
    const bool hasFamily = FcPatternGetString(pattern, FC_FAMILY, 0, &family) == FcResultMatch;
    const std::string wanted = hasFamily ? reinterpret_cast<const char*>(family) : "";
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    std::optional<std::string> file;
    FcChar8* path = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
        for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
            if (::strcasecmp(reinterpret_cast<const char*>(family), wanted.c_str()) == 0) {
                file = reinterpret_cast<const char*>(path);
            }
        }
    }
    if (match) {
        FcPatternDestroy(match);
    }
    return file;
}

}  // namespace

std::unique_ptr<GlyphSource> openGlyphSource(const std::string& source) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(source, error);
    if (!fs::exists(status)) {
        if (const auto file = installedFontFile(source)) {
            return std::make_unique<FreeTypeSource>(source + " (" + *file + ")", *file);
        }
        throw InputError(source + ": no such file, nor an installed font of that name");
    }
    if (!fs::is_regular_file(status)) {
        throw InputError(source + ": not a regular file");
    }
    std::ifstream in(source, std::ios::binary);
    char start[128] = {};
    in.read(start, sizeof start);
    if (!in && !in.eof()) {
        throw InputError(source + ": " + std::strerror(errno));
    }
    if (UnifontSource::looksLikeHex(
            std::string_view(start, static_cast<std::size_t>(in.gcount())))) {
        in.seekg(0);
        std::string text(std::istreambuf_iterator<char>(in), {});
        return std::make_unique<UnifontSource>(source, std::move(text));
    }
    return std::make_unique<FreeTypeSource>(source, source);
}

}  // namespace cli
