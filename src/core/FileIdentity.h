#pragma once
// What a file is on the disk at one moment: its device and inode, its size and its
// modification time to the nanosecond. A file with the same identity later was, as far as can be
// told without reading it, neither changed nor replaced in between.

#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string>

namespace venkora {

struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileIdentity&) const = default;

    static FileIdentity Of(const struct stat& status);
    // The identity of the file `path` names now (a link followed); nullopt when there is none
    // or its status cannot be read.
    static std::optional<FileIdentity> Of(const std::string& path);
};

}  // namespace venkora
