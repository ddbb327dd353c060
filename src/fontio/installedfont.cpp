#include "fontio/installedfont.h"

#include <fontconfig/fontconfig.h>

#include <cmath>

#include "bootfont/bootfontrecords.h"

namespace fontio {

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
        const double distance =
            scalable ? 0 : std::abs(pixels - static_cast<double>(bootfont::kGlyphRows)) + 1;
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

}  // namespace fontio
