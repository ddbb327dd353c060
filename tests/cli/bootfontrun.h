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
// captures of standard output and error, which ARGS may override); DIR in ARGS stands for `dir`.
inline ProgramRun bootfont(std::string args, const TempDir* dir = nullptr) {
    for (std::size_t at; dir && (at = args.find("DIR")) != std::string::npos;) {
        args.replace(at, 3, dir->path().string());
    }
    TempDir captures;
    const std::string command = "{ " + std::string(BOOTFONT_CLI) + " " + args + "; } >" +
                                (captures / "out").string() + " 2>" + (captures / "err").string();
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, contents(captures / "out"),
            contents(captures / "err")};
}

}  // namespace testsupport
