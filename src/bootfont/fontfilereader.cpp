#include "bootfont/fontfilereader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "bootfont/bootfonterror.h"

namespace bootfont {
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

// A file that cannot be read: the reason alone, and the detail that names the path too.
[[noreturn]] void failOpen(runtime::ErrorNumber number, const std::filesystem::path& path,
                           const std::string& reason) {
    throw BootFontError(number, reason, path.string() + ": " + reason);
}

}  // namespace

FontFileReader::FontFileReader(const std::filesystem::path& path) {
    // O_NONBLOCK keeps open() of a FIFO without a writer from waiting forever; the descriptor is
    // refused below anyway, and on a regular file the flag changes nothing.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0) {
        const int error = errno;
        const bool missing = error == ENOENT || error == ENOTDIR;
        failOpen(missing ? runtime::ErrorNumber::FileNotFound
                         : runtime::ErrorNumber::PathFileAccessError,
                 path, std::strerror(error));
    }
    struct stat status {};
    if (::fstat(fd_, &status) != 0) {
        const int error = errno;
        close();
        failOpen(runtime::ErrorNumber::PathFileAccessError, path, std::strerror(error));
    }
    if (!S_ISREG(status.st_mode)) {
        close();
        failOpen(runtime::ErrorNumber::PathFileAccessError, path, "not a regular file");
    }
    size_ = static_cast<std::int64_t>(status.st_size);
}

FontFileReader::~FontFileReader() {
    close();
}

void FontFileReader::close() noexcept {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    buffer_.clear();
    bufferLength_ = 0;
    assembled_.clear();
}

std::vector<std::uint8_t> FontFileReader::readAll() {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(size_));
    for (;;) {
        fillBufferAt(static_cast<std::int64_t>(bytes.size()));
        if (bufferLength_ == 0) {
            return bytes;
        }
        bytes.insert(bytes.end(), buffer_.begin(),
                     buffer_.begin() + static_cast<std::ptrdiff_t>(bufferLength_));
    }
}

void FontFileReader::seek(std::int64_t offset) {
    if (offset < 0) {
        runtime::raise(runtime::ErrorNumber::InvalidProcedureCall,
                       "negative file offset " + std::to_string(offset));
    }
    position_ = offset;
}

std::span<const std::uint8_t> FontFileReader::nextSlow(std::size_t size) {
    if (!isOpen()) {
        runtime::raise(runtime::ErrorNumber::PathFileAccessError, "read from a closed file");
    }
    assembled_.assign(size, 0);
    std::span<std::uint8_t> out(assembled_);
    while (!out.empty()) {
        const bool inBuffer = position_ >= bufferStart_ &&
                              position_ < bufferStart_ + static_cast<std::int64_t>(bufferLength_);
        if (!inBuffer) {
            fillBufferAt(position_);
            if (bufferLength_ == 0) {
                // End of file: the rest stays zero.
                position_ += static_cast<std::int64_t>(out.size());
                break;
            }
        }
        const auto skip = static_cast<std::size_t>(position_ - bufferStart_);
        const std::size_t count = std::min(out.size(), bufferLength_ - skip);
        std::copy_n(buffer_.begin() + static_cast<std::ptrdiff_t>(skip), count, out.begin());
        out = out.subspan(count);
        position_ += static_cast<std::int64_t>(count);
    }
    return assembled_;
}

void FontFileReader::fillBufferAt(std::int64_t offset) {
    buffer_.resize(kBlockSize);
    bufferStart_ = offset;
    bufferLength_ = 0;
    ssize_t count;
    do {
        count = ::pread(fd_, buffer_.data(), buffer_.size(), static_cast<off_t>(offset));
    } while (count < 0 && errno == EINTR);
    if (count < 0) {
        std::string reason =
            std::string("read at ") + std::to_string(offset) + ": " + std::strerror(errno);
        std::string detail = reason;
        throw BootFontError(runtime::ErrorNumber::DeviceIoError, std::move(reason),
                            std::move(detail));
    }
    bufferLength_ = static_cast<std::size_t>(count);
}

}  // namespace bootfont
