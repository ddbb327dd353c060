#include "cli/fontinput.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "bootfont/fontfilereader.h"
#include "runtime/runtimeerror.h"

namespace cli {
namespace {

constexpr const char* kStandardInput = "-";

// An anonymous in-memory file, closed when it goes out of scope.
class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("standard-input", MFD_CLOEXEC)) {}
    ~MemoryFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    int fd() const { return fd_; }

private:
    int fd_;
};

[[noreturn]] void fail(const std::string& file, int error) {
    throw InputError(inputName(file) + ": " + std::strerror(error));
}

// Copies standard input into `memory`: the reader needs a file it can read at any position, and a
// pipe is none.
void copyStandardInput(const MemoryFile& memory) {
    if (memory.fd() < 0) {
        fail(kStandardInput, errno);
    }
    char block[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(STDIN_FILENO, block, sizeof block);
        if (count == 0) {
            return;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail(kStandardInput, errno);
        }
        for (ssize_t written = 0; written < count;) {
            const ssize_t n =
                ::write(memory.fd(), block + written, static_cast<std::size_t>(count - written));
            if (n < 0 && errno != EINTR) {
                fail(kStandardInput, errno);
            }
            written += n < 0 ? 0 : n;
        }
    }
}

bootfont::WholeFont read(const std::string& file, const std::filesystem::path& path) {
    try {
        bootfont::FontFileReader reader(path);
        return bootfont::readWholeFont(reader);
    } catch (const runtime::RuntimeError& error) {
        // The reader's detail names the path it was given and the reason.
        const std::string& detail = error.detail();
        const std::string prefix = path.string() + ": ";
        const std::string reason =
            detail.starts_with(prefix) ? detail.substr(prefix.size()) : detail;
        throw InputError(inputName(file) + ": " +
                         (reason.empty() ? std::string(error.description()) : reason));
    }
}

}  // namespace

std::string inputName(const std::string& file) {
    return file == kStandardInput ? "standard input" : file;
}

bootfont::WholeFont readFontInput(const std::string& file) {
    if (file != kStandardInput) {
        return read(file, file);
    }
    const MemoryFile memory;
    copyStandardInput(memory);
    return read(file, "/proc/self/fd/" + std::to_string(memory.fd()));
}

}  // namespace cli
