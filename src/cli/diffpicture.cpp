// The picture of bootfont diff -o, made in the render helper: the glyph-view library's pairs of
// old and new glyphs (diffpairs.h), the first kDiffPictureLimit of them, enlarged, as PNG.
#include <algorithm>

#include "cli/diffoptions.h"
#include "glyphview/diffpairs.h"
#include "glyphview/twocolourpicture.h"

namespace cli {

std::string diffPicture(const bootfont::WholeFont& oldFont, const bootfont::WholeFont& newFont,
                        std::span<const bootfont::GlyphDifference> changed, int scale) {
    const auto drawn = changed.first(std::min(changed.size(), kDiffPictureLimit));
    return glyphview::pngBytes(
        glyphview::enlarged(glyphview::diffPairsPicture(oldFont, newFont, drawn), scale));
}

}  // namespace cli
