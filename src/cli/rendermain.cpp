// bootfont-render: the render subcommand of bootfont, and its diff subcommand when it draws a
// picture; bootfont execs this program with its own command line. Only this program links Qt Gui;
// it starts no GUI application and needs no display.
#include <CLI/App.hpp>
#include <CLI/Config.hpp>
#include <CLI/Formatter.hpp>
#include <iostream>

#include "cli/commands.h"
#include "cli/diffoptions.h"
#include "cli/failure.h"
#include "cli/presentation.h"
#include "cli/renderoptions.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    CLI::App app("Draw the glyphs of a Windows XP boot font file (BOOTFONT.BIN) as PNG.",
                 "bootfont");
    app.require_subcommand(1);
    cli::CommandAction action;
    cli::addRenderCommand(app, action, cli::renderFont);
    cli::addDiffCommand(app, action, [](const cli::DiffOptions& options) {
        return cli::runDiff(options, cli::diffPicture);
    });
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e, std::cout, std::cerr);
        return cli::kUsageOrUnreadable;
    }
    return cli::runReporting(action);
}
