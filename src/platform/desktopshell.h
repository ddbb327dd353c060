#pragma once

#include "commondialog/shellservice.h"

namespace platform {

// Opens a document's address with the desktop's own handler (its browser for web and file
// addresses). The named program and the show command have no counterpart on the Linux desktop:
// the desktop chooses the browser and how its window appears.
class DesktopShell : public commondialog::ShellService {
public:
    void execute(const std::string& operation, const std::string& file,
                 const std::string& parameters, int showCommand) override;
};

}  // namespace platform
