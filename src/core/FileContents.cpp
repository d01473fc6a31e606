#include "core/FileContents.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <utility>

namespace venkora {

namespace {

constexpr std::size_t kPage = 4096;
constexpr std::size_t kHugePage = std::size_t{2} << 20;

}  // namespace

void AdviseHugePages(void* data, std::size_t length) {
    if (length < kHugePage) return;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t begin = (start + page - 1) & ~(page - 1);
    const std::uintptr_t end = (start + length) & ~(page - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

std::variant<FileContents, int> FileContents::Read(int fd) {
    FileContents contents;
    struct stat info {};
    if (fstat(fd, &info) != 0) return errno;
    std::size_t expected = 0;
    if (S_ISREG(info.st_mode) && info.st_size > 0) {
        const off_t offset = lseek(fd, 0, SEEK_CUR);
        if (offset >= 0 && offset < info.st_size) expected = static_cast<std::size_t>(info.st_size - offset);
    }
    if (const int error = contents.ReadToEnd(fd, expected)) return error;
    return contents;
}

int FileContents::ReadToEnd(int fd, std::size_t expected) {
    // Room for the expected bytes and for the read that finds the end.
    if (const int error = Reserve(std::max(std::size_t{1} << 16, expected + kPage))) return error;
    for (;;) {
        if (size_ == length_) {
            if (const int error = Reserve(2 * length_)) return error;
        }
        const ssize_t got = read(fd, data_ + size_, length_ - size_);
        if (got < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (got == 0) return 0;
        size_ += static_cast<std::size_t>(got);
    }
}

int FileContents::Reserve(std::size_t length) {
    length = (length + kPage - 1) & ~(kPage - 1);
    void* memory = data_ ? mremap(data_, length_, length, MREMAP_MAYMOVE)
                         : mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) return errno;
    data_ = static_cast<char*>(memory);
    length_ = length;
    AdviseHugePages(data_, length_);
    return 0;
}

void FileContents::Release() {
    if (data_) munmap(data_, length_);
    data_ = nullptr;
    length_ = size_ = 0;
}

FileContents::~FileContents() { Release(); }

FileContents::FileContents(FileContents&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      length_(std::exchange(other.length_, 0)),
      size_(std::exchange(other.size_, 0)) {}

FileContents& FileContents::operator=(FileContents&& other) noexcept {
    if (this != &other) {
        Release();
        data_ = std::exchange(other.data_, nullptr);
        length_ = std::exchange(other.length_, 0);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

}  // namespace venkora
