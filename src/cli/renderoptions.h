#pragma once

#include <optional>
#include <string>

namespace cli {

// What `bootfont render` draws: exactly one of the four views, enlarged `scale` times.
struct RenderOptions {
    std::string file;
    std::string out;
    bool sbcs = false;
    std::optional<int> page;  // from 1, as the window's page indicator counts
    bool sheet = false;
    std::optional<std::string> text;
    int scale = 1;
};

// The program that draws: Qt Gui is loaded only by it (see rendercommand.cpp).
int renderFont(const RenderOptions& options);

}  // namespace cli
