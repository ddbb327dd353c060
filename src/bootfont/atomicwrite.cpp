#include "bootfont/atomicwrite.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

namespace bootfont {
namespace {

// The failure of the last system call, errno, with `what` failed before its text.
[[noreturn]] void fail(runtime::ErrorNumber number, const std::filesystem::path& path,
                       const std::string& what = {}) {
    const int error = errno;
    const std::string reason = what + std::strerror(error);
    throw FileWriteError(number, reason, path.string() + ": " + reason, error);
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno != EINTR) {
            return false;
        }
        bytes = bytes.subspan(n < 0 ? 0 : static_cast<std::size_t>(n));
    }
    return true;
}

// The permission bits the written file gets: those of the file it replaces, else those of any
// new file. mkstemp makes its file private, so they are always set.
mode_t permissionsFor(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
        return status.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The temporary file until it is renamed: closed and removed on the way out of a failure.
class TemporaryFile {
public:
    TemporaryFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    ~TemporaryFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    // Closes the file; false, with errno set, when the system reports a failed write.
    bool close() { return ::close(std::exchange(fd_, -1)) == 0; }
    // The file is in its place: nothing to remove.
    void keep() { path_.clear(); }

private:
    int fd_;
    std::string path_;
};

}  // namespace

void writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    using runtime::ErrorNumber;
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::string name = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        fail(ErrorNumber::PathFileAccessError, path, "cannot create a file in its folder: ");
    }
    TemporaryFile temporary(fd, std::move(name));
    if (::fchmod(fd, permissionsFor(path)) != 0 || !writeAll(fd, bytes) || ::fsync(fd) != 0 ||
        !temporary.close()) {
        fail(ErrorNumber::DeviceIoError, path);
    }
    if (::rename(temporary.path().c_str(), path.c_str()) != 0) {
        fail(ErrorNumber::PathFileAccessError, path);
    }
    temporary.keep();
    // The rename lasts through a power cut once the folder is flushed too; the file is in place
    // either way, so a folder that cannot be flushed is no failure.
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
}

}  // namespace bootfont
