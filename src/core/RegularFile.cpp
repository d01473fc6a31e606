#include "core/RegularFile.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace venkora {

namespace {

// How often a name may be pointed elsewhere while it is opened before opening gives up.
constexpr int kMaxAttempts = 100;

FileFailure OpenFailure(int errnum) {
    return errnum == ENOENT ? FileFailure::NotFound() : FileFailure::FromErrno(errnum);
}

std::optional<FileFailure> KindFailure(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) return FileFailure::Directory();
    if (!S_ISREG(info.st_mode)) return FileFailure::NotRegularFile();
    return std::nullopt;
}

std::optional<FileFailure> TakeLock(int fd, RegularFile::Lock lock) {
    if (lock == RegularFile::Lock::None) return std::nullopt;
    const int operation = LOCK_EX | (lock == RegularFile::Lock::DontWait ? LOCK_NB : 0);
    while (flock(fd, operation) != 0) {
        if (errno == EINTR) continue;
        if (errno == EWOULDBLOCK) return FileFailure::Locked();
        return FileFailure::FromErrno(errno);
    }
    return std::nullopt;
}

}  // namespace

std::variant<RegularFile, FileFailure> RegularFile::Open(const std::string& path, Lock lock) {
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        // Looked at before opening: opening a FIFO for reading would wait for a writer.
        struct stat info {};
        if (stat(path.c_str(), &info) != 0) return OpenFailure(errno);
        if (auto failure = KindFailure(info)) return *failure;
        // Non-blocking, in case a FIFO took the name since.
        FileDescriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        if (!fd.IsOpen()) return OpenFailure(errno);
        if (fstat(fd.Get(), &info) != 0) return FileFailure::FromErrno(errno);
        if (auto failure = KindFailure(info)) return *failure;
        fcntl(fd.Get(), F_SETFL, fcntl(fd.Get(), F_GETFL) & ~O_NONBLOCK);
        if (auto failure = TakeLock(fd.Get(), lock)) return *failure;
        const std::unique_ptr<char, decltype(&free)> real(realpath(path.c_str(), nullptr), &free);
        if (!real) return OpenFailure(errno);
        RegularFile file(std::move(fd), info, real.get());
        // Another process may have put a new file in its place meanwhile (a rename while we
        // waited for the lock, a link pointed elsewhere): then that file is the one meant.
        if (file.IsAt(file.resolved_)) return file;
    }
    return FileFailure::ReplacedMeanwhile();
}

bool RegularFile::IsAt(const std::string& path) const {
    struct stat now {};
    return lstat(path.c_str(), &now) == 0 && now.st_dev == status_.st_dev &&
           now.st_ino == status_.st_ino;
}

std::optional<FileFailure> RegularFile::Read(std::string& bytes, std::size_t limit) const {
    constexpr std::size_t kChunk = 1 << 16;
    if (status_.st_size > 0) {
        bytes.reserve(bytes.size() + std::min(static_cast<std::size_t>(status_.st_size), limit));
    }
    off_t offset = 0;
    std::size_t left = limit;
    while (left > 0) {
        const std::size_t used = bytes.size();
        const std::size_t want = std::min(kChunk, left);
        bytes.resize(used + want);
        const ssize_t got = pread(fd_.Get(), bytes.data() + used, want, offset);
        if (got < 0) {
            const int error = errno;
            bytes.resize(used);
            if (error == EINTR) continue;
            return FileFailure::FromErrno(error);
        }
        bytes.resize(used + static_cast<std::size_t>(got));
        if (got == 0) break;
        offset += got;
        left -= static_cast<std::size_t>(got);
    }
    return std::nullopt;
}

}  // namespace venkora
