// bootfont check FILE... [--json]: the findings of each file, quiet for a clean one.
#include <CLI/App.hpp>
#include <algorithm>
#include <iostream>
#include <memory>

#include "bootfont/fontcoverage.h"
#include "cli/commands.h"
#include "cli/failure.h"
#include "cli/fontinput.h"
#include "cli/presentation.h"

namespace cli {
namespace {

struct CheckOptions {
    std::vector<std::string> files;
    bool json = false;
};

int runCheck(const CheckOptions& options) {
    int status = kSuccess;
    nlohmann::json results = nlohmann::json::array();
    for (const std::string& file : options.files) {
        const std::string name = inputName(file);
        std::vector<bootfont::Finding> findings;
        try {
            findings = bootfont::checkFontAndAscii(openFontInput(file).font());
        } catch (const Failure& failure) {
            // The other files are still checked.
            reportError(failure.what());
            results.push_back({{"file", name}, {"error", failure.what()}});
            status = std::max(status, failure.status());
            continue;
        }
        status = std::max(status, statusOf(findings));
        if (options.json) {
            results.push_back({{"file", name}, {"findings", findingsJson(findings)}});
        } else {
            for (const auto& finding : findings) {
                printFinding(std::cout, name, finding);
            }
        }
    }
    if (options.json) {
        printJson(std::cout, {{"files", results}});
    }
    return status;
}

}  // namespace

void addCheckCommand(CLI::App& app, CommandAction& action) {
    auto options = std::make_shared<CheckOptions>();
    CLI::App* command = app.add_subcommand(
        "check",
        "Report each file's findings (severity, id, sentence), nothing for a clean file; exit "
        "status 1 when a file has errors");
    command->add_option("FILE", options->files, "boot fonts, - for standard input")->required();
    command->add_flag("--json", options->json, "print one JSON object instead of text");
    command->callback([&action, options] { action = [options] { return runCheck(*options); }; });
}

}  // namespace cli
