#pragma once
// A POSIX file descriptor that writes whole byte strings, retrying interrupted and short
// writes. It closes the descriptor it owns; the standard streams are only borrowed.

#include <string_view>

namespace venkora {

class FileDescriptor {
public:
    // Takes ownership of `fd` (-1 for none).
    explicit FileDescriptor(int fd = -1) : fd_(fd), owned_(true) {}
    // Uses `fd` without ever closing it.
    static FileDescriptor Borrow(int fd);

    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }

    // Writes all of `bytes`; 0 or the errno of the failure.
    int WriteAll(std::string_view bytes) const;

private:
    // Closes an owned descriptor.
    void Close();

    int fd_;
    bool owned_;
};

}  // namespace venkora
