// bootfont render FILE -o OUT.png (--sbcs | --page N | --sheet | --text TEXT |
//                                  --screen TEXT-FILE [--select N]) [--scale K].
//
// The drawing needs Qt Gui, and loading Qt's libraries costs every process about 10 ms of CPU,
// twice the whole budget of info and check. So the bootfont program links no Qt: its render
// subcommand checks the command line and then replaces itself by the small helper program
// bootfont-render, which takes the same command line and alone links Qt Gui. Standard input,
// output and the exit status pass through the exec unchanged.
#include <unistd.h>
#include <CLI/App.hpp>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

#include "cli/commands.h"
#include "cli/presentation.h"
#include "cli/renderoptions.h"

namespace cli {
namespace {

constexpr const char* kHelperName = "bootfont-render";

// The helper beside this program (the build folder), or where installing puts it relative to the
// folder of this program.
std::filesystem::path helperPath() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path folder = fs::read_symlink("/proc/self/exe", error).parent_path();
    const fs::path beside = folder / kHelperName;
    if (fs::exists(beside, error)) {
        return beside;
    }
    return folder / BOOTFONT_RENDER_HELPER_FROM_BIN / kHelperName;
}

}  // namespace

int execRenderHelper(char** argv) {
    const std::string path = helperPath().string();
    ::execv(path.c_str(), argv);
    reportError("cannot run " + path + ": " + std::strerror(errno));
    return kUsageOrUnreadable;
}

void addRenderCommand(CLI::App& app, CommandAction& action, RenderAction render) {
    auto options = std::make_shared<RenderOptions>();
    CLI::App* command = app.add_subcommand(
        "render",
        "Draw glyphs as a PNG image: the viewer's single-byte view or a double-byte page pixel for "
        "pixel, a sheet of every glyph, a line of text as the boot screen shows it, or the whole "
        "boot screen");
    command->add_option("FILE", options->file, "the boot font, - for standard input")->required();
    command->add_option("-o,--output", options->out, "the PNG file to write, - for standard output")
        ->required();
    CLI::Option_group* view = command->add_option_group("view", "what to draw (exactly one)");
    view->add_flag("--sbcs", options->sbcs, "the viewer's single-byte view");
    view->add_option("--page", options->page, "the viewer's double-byte page N, from 1")
        ->check(CLI::PositiveNumber);
    view->add_flag("--sheet", options->sheet,
                   "every glyph of both tables, 16 a row, each row labelled by its first code");
    view->add_option("--text", options->text,
                     "a line of text (UTF-8) in light grey on black, as the boot screen draws it; "
                     "the characters the font lacks are outlined boxes, counted on standard error");
    CLI::Option* screen = view->add_option(
        "--screen", options->screen,
        "the boot screen of 640 x 480 pixels showing the lines of TEXT-FILE (UTF-8, - for "
        "standard input), 80 columns and 25 rows for the usual metrics; what is cut and the "
        "characters the font lacks are counted on standard error");
    screen->type_name("TEXT-FILE");
    view->require_option(1);
    command
        ->add_option("--select", options->select,
                     "with --screen: row N (from 1) inverted, as a boot menu shows its chosen "
                     "entry")
        ->check(CLI::PositiveNumber)
        ->needs(screen);
    command->add_option("--scale", options->scale, "enlarge by K whole pixels (1 to 16)")
        ->check(CLI::Range(1, 16));
    command->callback(
        [&action, options, render] { action = [options, render] { return render(*options); }; });
}

}  // namespace cli
