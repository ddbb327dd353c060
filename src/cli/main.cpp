// bootfont: inspect, check and convert Windows XP boot font files (BOOTFONT.BIN) from a script.
#include <CLI/App.hpp>
#include <CLI/Config.hpp>
#include <CLI/Formatter.hpp>
#include <iostream>

#include "cli/commands.h"
#include "cli/diffoptions.h"
#include "cli/failure.h"
#include "cli/presentation.h"
#include "cli/unknowncommand.h"

namespace {

// Lines that never reached standard output (a full disk) fail the run; a command that already
// failed has said why.
int withOutputWritten(int status) {
    if (status != cli::kUsageOrUnreadable && !std::cout.flush()) {
        cli::reportError("standard output: write failed");
        return cli::kUsageOrUnreadable;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    CLI::App app(
        "Inspect, check, convert and build Windows XP boot font files (BOOTFONT.BIN).\n"
        "Exit status: 0 success, 1 a file with errors, 2 bad usage, an unreadable "
        "file or output that cannot be written.",
        "bootfont");
    app.set_version_flag("--version", "bootfont " BOOTFONT_VERSION);
    app.require_subcommand(1);

    cli::CommandAction action;
    cli::addInfoCommand(app, action);
    cli::addCheckCommand(app, action);
    cli::addExportCommand(app, action);
    cli::addFindCommand(app, action);
    cli::addBuildCommand(app, action);
    cli::addPatchCommand(app, action);
    // The picture of diff, like render, is drawn by the helper that links Qt Gui.
    cli::addDiffCommand(app, action, [argv](const cli::DiffOptions& options) {
        return options.picture.empty() ? cli::runDiff(options, nullptr)
                                       : cli::execRenderHelper(argv);
    });
    cli::addRenderCommand(
        app, action, [argv](const cli::RenderOptions&) { return cli::execRenderHelper(argv); });
    for (CLI::App* command : app.get_subcommands({})) {
        command->set_version_flag("--version", "bootfont " BOOTFONT_VERSION);
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        // --help and --version: their text is output like any command's.
        return withOutputWritten(app.exit(e));
    } catch (const CLI::ParseError& e) {
        std::vector<std::string> commands;
        for (const CLI::App* command : app.get_subcommands({})) {
            commands.push_back(command->get_name());
        }
        if (const auto unknown = cli::unknownCommandMessage({argv + 1, argv + argc}, commands)) {
            std::cerr << *unknown;
            return cli::kUsageOrUnreadable;
        }
        app.exit(e, std::cout, std::cerr);
        return cli::kUsageOrUnreadable;
    }
    return withOutputWritten(cli::runReporting(action));
}
