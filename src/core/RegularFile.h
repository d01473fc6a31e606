#pragma once
// A regular file opened for reading. Symbolic links are followed; a FIFO, device, socket or
// directory is refused before anything is opened, so opening never waits for a writer. The
// object remembers the path with every link resolved and the device and inode it opened, so a
// later replacement can make sure it replaces this very file. On request it holds the file's
// advisory lock (flock) for its whole life.

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <variant>

#include "core/FileDescriptor.h"
#include "core/FileFailure.h"

namespace venkora {

class RegularFile {
public:
    enum class Lock {
        None,
        Wait,      // wait until no other process holds the lock
        DontWait,  // fail with FileFailure::Locked() when another process holds it
    };

    // The file at `path`, or why it cannot be read. When the name is pointed at another file
    // while it is being opened (or while waiting for the lock), the file it names then is
    // opened instead.
    static std::variant<RegularFile, FileFailure> Open(const std::string& path,
                                                       Lock lock = Lock::None);

    int fd() const { return fd_.Get(); }
    // The status of the opened file.
    const struct stat& status() const { return status_; }
    // The path with every symbolic link resolved.
    const std::string& resolvedPath() const { return resolved_; }
    // Whether `path` (its last component not followed) names the opened file.
    bool IsAt(const std::string& path) const;
    // Appends the file's bytes from its start to `bytes`, at most `limit` of them.
    std::optional<FileFailure> Read(std::string& bytes,
                                    std::size_t limit = std::numeric_limits<std::size_t>::max()) const;

private:
    RegularFile(FileDescriptor fd, const struct stat& status, std::string resolved)
        : fd_(std::move(fd)), status_(status), resolved_(std::move(resolved)) {}

    FileDescriptor fd_;
    struct stat status_ {};
    std::string resolved_;
};

}  // namespace venkora
