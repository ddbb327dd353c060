#pragma once

#include <functional>

namespace CLI {
class App;
}

// The subcommands of the bootfont command. Each file adds one subcommand with its options to the
// program; main only registers them and runs the one the command line chose.
namespace cli {

// Exit statuses, as in the usage text.
inline constexpr int kSuccess = 0;
inline constexpr int kFileHasErrors = 1;
inline constexpr int kUsageOrUnreadable = 2;

// What runs once the command line is parsed: the chosen subcommand with its options.
using CommandAction = std::function<int()>;

// Each adds its subcommand to `app` and, when the command line chooses it, sets `action`.
void addInfoCommand(CLI::App& app, CommandAction& action);
void addCheckCommand(CLI::App& app, CommandAction& action);
void addExportCommand(CLI::App& app, CommandAction& action);
void addFindCommand(CLI::App& app, CommandAction& action);
void addBuildCommand(CLI::App& app, CommandAction& action);
void addPatchCommand(CLI::App& app, CommandAction& action);

struct RenderOptions;
// What render does once its command line is checked: the bootfont program runs the helper that
// draws (execRenderHelper), the helper draws (renderFont).
using RenderAction = std::function<int(const RenderOptions&)>;
void addRenderCommand(CLI::App& app, CommandAction& action, RenderAction render);
struct DiffOptions;
// What diff does once its command line is checked: the bootfont program compares, or runs the
// helper when a picture is asked for; the helper compares and draws.
using DiffAction = std::function<int(const DiffOptions&)>;
void addDiffCommand(CLI::App& app, CommandAction& action, DiffAction diff);

// Replaces this process by the render helper with the same arguments; returns only on failure.
int execRenderHelper(char** argv);

}  // namespace cli
