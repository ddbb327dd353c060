#pragma once

#include <span>
#include <string>

#include "bootfont/fontdiff.h"

namespace cli {

// What `bootfont diff` compares and how it shows the differences.
struct DiffOptions {
    std::string oldFile;
    std::string newFile;
    bool json = false;
    std::string picture;  // -o: the PNG of the changed glyphs; empty for none
    int scale = 1;
};

// The PNG of the changed glyphs (GlyphChange::Changed), old | new side by side and labelled with
// their codes, 8 pairs a row; the first kDiffPictureLimit of them, in an image of at most 128
// rows. Defined in the render helper, the one program that links Qt Gui.
inline constexpr std::size_t kDiffPictureLimit = 1024;
using DiffPicture = std::string (*)(const bootfont::WholeFont& oldFont,
                                    const bootfont::WholeFont& newFont,
                                    std::span<const bootfont::GlyphDifference> changed, int scale);
std::string diffPicture(const bootfont::WholeFont& oldFont, const bootfont::WholeFont& newFont,
                        std::span<const bootfont::GlyphDifference> changed, int scale);

// Compares, writes the picture through `picture` when -o asks for one, then reports: exit status
// 0 when the fonts are the same, 1 when they differ.
int runDiff(const DiffOptions& options, DiffPicture picture);

}  // namespace cli
