#include "core/FileDescriptor.h"

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

void FileDescriptor::Close() {
    const int fd = std::exchange(fd_, -1);
    // Linux releases the descriptor even when close fails, so it is never retried.
    if (fd >= 0 && owned_) close(fd);
}

}  // namespace venkora
