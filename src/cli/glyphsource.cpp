#include "cli/glyphsource.h"

#include <fontconfig/fontconfig.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "cli/fontinput.h"
#include "cli/freetypesource.h"
#include "cli/unifontsource.h"

namespace cli {
namespace {

// An installed font: its file, and its face in a collection (.ttc).
struct InstalledFont {
    std::string file;
    int face = 0;

    auto operator<=>(const InstalledFont&) const = default;
};

// The installed font that `name` (a fontconfig name, "Family" or "Family:style") names; nullopt
// when there is none. A bitmap family comes in several sizes: the one nearest a
// boot font's 16 rows is taken, and an outline font before any.
std::optional<InstalledFont> installedFont(const std::string& name) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(name.c_str()));
    if (!pattern) {
        return std::nullopt;
    }
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_INDEX, FC_PIXEL_SIZE, FC_SCALABLE, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    std::optional<InstalledFont> best;
    double bestDistance = 0;
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        FcChar8* file = nullptr;
        FcBool scalable = FcFalse;
        double pixels = 0;
        int face = 0;
        if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) != FcResultMatch) {
            continue;
        }
        FcPatternGetBool(fonts->fonts[i], FC_SCALABLE, 0, &scalable);
        FcPatternGetDouble(fonts->fonts[i], FC_PIXEL_SIZE, 0, &pixels);
        FcPatternGetInteger(fonts->fonts[i], FC_INDEX, 0, &face);
        const double distance = scalable ? 0 : std::abs(pixels - 16) + 1;
        const InstalledFont font{reinterpret_cast<const char*>(file), face};
        // The list comes in no set order: ties go to the first file name, for the same bytes
        // from the same fonts.
        if (!best || distance < bestDistance || (distance == bestDistance && font < *best)) {
            best = font;
            bestDistance = distance;
        }
    }
    if (fonts) {
        FcFontSetDestroy(fonts);
    }
    return best;
}

}  // namespace

std::unique_ptr<GlyphSource> openGlyphSource(const std::string& source) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(source, error);
    if (!fs::exists(status)) {
        if (const auto font = installedFont(source)) {
            return std::make_unique<FreeTypeSource>(source + " (" + font->file + ")", font->file,
                                                    font->face);
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
        return std::make_unique<UnifontSource>(source);
    }
    return std::make_unique<FreeTypeSource>(source, source);
}

}  // namespace cli
