#include "cli/outputfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "cli/failure.h"

namespace cli {
namespace {

[[noreturn]] void fail(const std::string& out, const std::string& reason) {
    failUsage(out + ": " + reason);
}

bool writeAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t n = ::write(fd, contents.data(), contents.size());
        if (n < 0 && errno != EINTR) {
            return false;
        }
        contents.remove_prefix(n < 0 ? 0 : static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

bool isSameFile(const std::string& input, const std::string& out) {
    std::error_code error;
    return input != "-" && out != "-" && std::filesystem::equivalent(input, out, error);
}

void writeOutputFile(const std::string& out, std::string_view contents) {
    namespace fs = std::filesystem;
    if (out == "-") {
        std::cout.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        std::cout.flush();
        if (!std::cout) {
            fail("standard output", "write failed");
        }
        return;
    }
    const fs::path path(out);
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::string temporary = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        fail(out, std::string("cannot create a file in its folder: ") + std::strerror(errno));
    }
    // mkstemp makes the file private; a finished output gets the permissions of any new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const bool written = ::fchmod(fd, 0666 & ~mask) == 0 && writeAll(fd, contents);
    const int writeError = errno;
    if (::close(fd) != 0 || !written || ::rename(temporary.c_str(), out.c_str()) != 0) {
        const int reason = written ? errno : writeError;
        ::unlink(temporary.c_str());
        fail(out, std::strerror(reason));
    }
}

}  // namespace cli
