#pragma once

#include <stdexcept>
#include <string>

#include "cli/commands.h"

namespace cli {

// Why a subcommand stops, and the exit status it stops with: kUsageOrUnreadable for bad usage, a
// file that cannot be read and output that cannot be written; kFileHasErrors for a file that is no
// boot font or cannot be used as one. what() names the file or the option. main reports it, once.
class Failure : public std::runtime_error {
public:
    Failure(int status, const std::string& message)
        : std::runtime_error(message), status_(status) {}

    int status() const noexcept { return status_; }

private:
    int status_;
};

// A usage mistake or an unreadable file (status 2).
[[noreturn]] inline void failUsage(const std::string& message) {
    throw Failure(kUsageOrUnreadable, message);
}

// A file that is no usable boot font (status 1).
[[noreturn]] inline void failFile(const std::string& message) {
    throw Failure(kFileHasErrors, message);
}

// Runs the chosen subcommand and turns whatever stops it into its exit status, reported once on
// standard error: a Failure with its own status, a font import error, a runtime error and any
// other error with status 2.
int runReporting(const CommandAction& action);

}  // namespace cli
