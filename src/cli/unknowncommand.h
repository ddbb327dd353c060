#pragma once

#include <optional>
#include <string>
#include <vector>

// A command line whose command is no bootfont command, named as git names one.
namespace cli {

// The number of single-character insertions, deletions, substitutions and swaps of two neighbours
// that turn `a` into `b`.
std::size_t editDistance(const std::string& a, const std::string& b);

// When the first argument that is no option (after the program's name) is none of `commands`,
// the lines that say so for standard error: "bootfont: 'frobnicate' is not a bootfont command. See
// 'bootfont --help'.", then the most similar commands (at most two edits away) or else every
// command, each on a line of its own after a tab. nullopt when the command is known or there is
// none.
std::optional<std::string> unknownCommandMessage(const std::vector<std::string>& arguments,
                                                 const std::vector<std::string>& commands);

}  // namespace cli
