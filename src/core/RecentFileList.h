#pragma once
// The files opened last, newest first, as the file menu lists them: at most four UTF-8 paths
// without repeats. Stored in the four slots of the settings schema, the newest first.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/ProfileStore.h"

namespace venkora {

class RecentFileList {
public:
    static constexpr std::size_t kMaxEntries = 4;

    // Puts `path` in front, taking it out of its old place (paths are compared byte for byte);
    // the oldest entry beyond four is dropped. An empty path is no file and is ignored.
    void Add(std::string_view path);
    void Remove(std::string_view path);
    const std::vector<std::string>& entries() const { return entries_; }

    // Replaces the list by the stored one; empty slots and repeats are skipped.
    void Load(const ProfileStore& store);
    // Writes all four slots, the unused ones empty; nothing else in the store changes.
    void Save(ProfileStore& store) const;

private:
    std::vector<std::string> entries_;
};

}  // namespace venkora
