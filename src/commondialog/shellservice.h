#pragma once

#include <string>

namespace commondialog {

// Starts another program for a document, as a desktop shell does. The window never waits for it
// and ignores whether it started.
class ShellService {
public:
    // How the started program's window is shown; 3 is maximized.
    static constexpr int kShowMaximized = 3;

    virtual ~ShellService() = default;
    virtual void execute(const std::string& operation, const std::string& file,
                         const std::string& parameters, int showCommand) = 0;
};

}  // namespace commondialog
