#pragma once

#include "commondialog/shellservice.h"

namespace screenshot {

// Starts nothing: taking a screenshot never follows the window's link.
class IgnoringShell : public commondialog::ShellService {
public:
    void execute(const std::string&, const std::string&, const std::string&, int) override {}
};

}  // namespace screenshot
