#pragma once
// The whole contents of an open file in memory, from its current offset to its end. A regular
// file is read with one read into memory sized from its status; anything else (a pipe, a
// terminal, a file whose size the system does not know) into memory that doubles as it fills
// and is moved by the system instead of copied. Nothing is zero-filled before it is read into,
// and large memory comes in huge pages, which the system provides with far fewer page faults.

#include <cstddef>
#include <span>
#include <string_view>
#include <variant>

namespace venkora {

// Asks for the whole pages inside [data, data + length) in huge pages when they span at least
// one, which the system provides with far fewer page faults; a hint that may be refused.
void AdviseHugePages(void* data, std::size_t length);

class FileContents {
public:
    // The bytes of `fd` from its current offset to its end; or the errno of the failure.
    static std::variant<FileContents, int> Read(int fd);

    ~FileContents();
    FileContents(FileContents&& other) noexcept;
    FileContents& operator=(FileContents&& other) noexcept;
    FileContents(const FileContents&) = delete;
    FileContents& operator=(const FileContents&) = delete;

    std::string_view bytes() const { return {data_, size_}; }
    // The same bytes, for a caller that changes them in place.
    std::span<char> writableBytes() { return {data_, size_}; }

private:
    FileContents() = default;
    int ReadToEnd(int fd, std::size_t expected);
    int Reserve(std::size_t length);
    void Release();

    char* data_ = nullptr;    // anonymous memory, or null before the first byte
    std::size_t length_ = 0;  // bytes of memory at data_
    std::size_t size_ = 0;    // bytes read
};

}  // namespace venkora
