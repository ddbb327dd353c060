#include "cli/fontinput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "bootfont/bootfonterror.h"
#include "cli/failure.h"
#include "runtime/numbertext.h"

namespace cli {
namespace {

constexpr const char* kStandardInput = "-";

[[noreturn]] void fail(const std::string& file, const std::string& reason) {
    failUsage(inputName(file) + ": " + reason);
}

// Appends everything `fd` gives to `out`; more than `limit` bytes fail naming `file`.
template <typename Bytes>
void readAll(int fd, const std::string& file, Bytes& out, std::size_t limit) {
    char block[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(fd, block, sizeof block);
        if (count == 0) {
            return;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail(file, std::strerror(errno));
        }
        out.insert(out.end(), block, block + count);
        if (out.size() > limit) {
            fail(file, "longer than " +
                           runtime::countText(static_cast<std::int64_t>(limit), "byte", "bytes"));
        }
    }
}

}  // namespace

std::string readInputText(const std::string& file, std::size_t limit) {
    const bool standardInput = file == kStandardInput;
    const int fd = standardInput ? STDIN_FILENO : ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        fail(file, std::strerror(errno));
    }
    struct Closer {
        int fd;
        bool close;
        ~Closer() {
            if (close) {
                ::close(fd);
            }
        }
    } closer{fd, !standardInput};
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        fail(file, "is a folder");
    }
    std::string text;
    readAll(fd, file, text, limit);
    return text;
}

std::string inputName(const std::string& file) {
    return file == kStandardInput ? "standard input" : file;
}

bootfont::FontFile openFontInput(const std::string& file) {
    if (file == kStandardInput) {
        std::vector<std::uint8_t> bytes;
        readAll(STDIN_FILENO, file, bytes, SIZE_MAX);
        return bootfont::FontFile(std::move(bytes));
    }
    try {
        return bootfont::FontFile::open(file);
    } catch (const bootfont::BootFontError& error) {
        fail(file, error.reason());
    }
}

bootfont::FontFile openBootFont(const std::string& file) {
    bootfont::FontFile font = openFontInput(file);
    if (!bootfont::hasBootFontSignature(font.header())) {
        failFile(inputName(file) + ": not a boot font (no signature)");
    }
    return font;
}

}  // namespace cli
