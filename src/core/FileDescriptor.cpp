#include "core/FileDescriptor.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace venkora {

FileDescriptor FileDescriptor::Borrow(int fd) {
    FileDescriptor borrowed(fd);
    borrowed.owned_ = false;
    return borrowed;
}

FileDescriptor::~FileDescriptor() { Close(); }

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), owned_(other.owned_) {}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        owned_ = other.owned_;
    }
    return *this;
}

int FileDescriptor::ReadAll(std::string& bytes) const {
    constexpr std::size_t kChunk = 1 << 16;
    struct stat info {};
    if (fstat(fd_, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        // Room for the whole file plus the chunk that finds its end.
        bytes.reserve(bytes.size() + static_cast<std::size_t>(info.st_size) + kChunk);
    }
    for (;;) {
        const std::size_t used = bytes.size();
        bytes.resize(used + kChunk);
        const ssize_t got = read(fd_, bytes.data() + used, kChunk);
        if (got < 0) {
            const int error = errno;
            bytes.resize(used);
            if (error == EINTR) continue;
            return error;
        }
        bytes.resize(used + static_cast<std::size_t>(got));
        if (got == 0) return 0;
    }
}

int FileDescriptor::WriteAll(std::string_view bytes) const {
    while (!bytes.empty()) {
        const ssize_t put = write(fd_, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (put == 0) return EIO;  // no progress: give up instead of spinning
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return 0;
}

int FileDescriptor::Close() {
    const int fd = std::exchange(fd_, -1);
    if (fd < 0 || !owned_) return 0;
    // Linux releases the descriptor even when close fails, so it is never retried.
    return close(fd) == 0 ? 0 : errno;
}

}  // namespace venkora
