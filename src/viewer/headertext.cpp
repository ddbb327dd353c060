#include "viewer/headertext.h"

#include "bootfont/valuetext.h"

namespace viewer {

std::array<std::string, kHeaderTextCount> headerTexts(const bootfont::BootFontHeader& header) {
    // The boxes show the fields after the signature, in the header's order.
    static_assert(bootfont::kHeaderFields.size() == kHeaderTextCount + 1);
    std::array<std::string, kHeaderTextCount> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = bootfont::windowFieldText(header, bootfont::kHeaderFields[i + 1]);
    }
    return texts;
}

}  // namespace viewer
