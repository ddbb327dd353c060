#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "support/tempdir.h"

namespace testsupport {

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Runs `bootfont ARGS` through the shell, which also does any redirection in ARGS (before the
// captures of standard output and error, which ARGS may override).
inline ProgramRun bootfont(const std::string& args) {
    TempDir dir;
    const std::string command = "{ " + std::string(BOOTFONT_CLI) + " " + args + "; } >" +
                                (dir / "out").string() + " 2>" + (dir / "err").string();
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, contents(dir / "out"), contents(dir / "err")};
}

}  // namespace testsupport
