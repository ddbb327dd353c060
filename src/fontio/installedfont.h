#pragma once

#include <optional>
#include <string>

namespace fontio {

// An installed font: its file, and its face in a collection (.ttc).
struct InstalledFont {
    std::string file;
    int face = 0;

    auto operator<=>(const InstalledFont&) const = default;
};

// The installed font that `name` (a fontconfig name, "Family" or "Family:style") names; nullopt
// when there is none. A bitmap family comes in several sizes: the one nearest a boot font's 16
// rows is taken, and an outline font before any.
std::optional<InstalledFont> installedFont(const std::string& name);

}  // namespace fontio
