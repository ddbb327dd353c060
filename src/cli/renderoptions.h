#pragma once

#include <optional>
#include <string>

namespace cli {

// What `bootfont render` draws: exactly one of the five views, enlarged `scale` times.
struct RenderOptions {
    std::string file;
    std::string out;
    bool sbcs = false;
    std::optional<int> page;  // from 1, as the window's page indicator counts
    bool sheet = false;
    std::optional<std::string> text;
    std::optional<std::string> screen;  // the text file of a boot screen
    std::optional<int> select;          // the screen's row shown chosen, from 1
    int scale = 1;
};

// The program that draws: Qt Gui is loaded only by it (see rendercommand.cpp).
int renderFont(const RenderOptions& options);

}  // namespace cli
