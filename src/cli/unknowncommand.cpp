#include "cli/unknowncommand.h"

#include <algorithm>
#include <numeric>

namespace cli {
namespace {

// As git, which suggests commands this close.
constexpr std::size_t kMostSimilar = 2;

}  // namespace

std::size_t editDistance(const std::string& a, const std::string& b) {
    // Rows of the distances between prefixes of a and of b; two rows back for a swap.
    std::vector<std::size_t> before(b.size() + 1), previous(b.size() + 1), row(b.size() + 1);
    std::iota(previous.begin(), previous.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t substitution = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            row[j] = std::min({previous[j] + 1, row[j - 1] + 1, substitution});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                row[j] = std::min(row[j], before[j - 2] + 1);
            }
        }
        std::swap(before, previous);
        std::swap(previous, row);
    }
    return previous[b.size()];
}

std::optional<std::string> unknownCommandMessage(const std::vector<std::string>& arguments,
                                                 const std::vector<std::string>& commands) {
    const auto command = std::ranges::find_if(
        arguments, [](const std::string& argument) { return !argument.starts_with("-"); });
    if (command == arguments.end() || std::ranges::find(commands, *command) != commands.end()) {
        return std::nullopt;
    }
    std::size_t nearest = kMostSimilar + 1;
    for (const std::string& known : commands) {
        nearest = std::min(nearest, editDistance(*command, known));
    }
    std::vector<std::string> listed;
    std::ranges::copy_if(commands, std::back_inserter(listed), [&](const std::string& known) {
        return nearest > kMostSimilar || editDistance(*command, known) == nearest;
    });
    std::string message = "bootfont: '" + *command +
                          "' is not a bootfont command. See 'bootfont --help'.\n\n" +
                          (nearest > kMostSimilar ? "The commands are"
                           : listed.size() == 1   ? "The most similar command is"
                                                  : "The most similar commands are");
    for (const std::string& known : listed) {
        message += "\n\t" + known;
    }
    return message + '\n';
}

}  // namespace cli
