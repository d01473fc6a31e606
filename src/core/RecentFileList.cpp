#include "core/RecentFileList.h"

#include <algorithm>

namespace venkora {

namespace {

constexpr std::string_view kSection = "Recent File List";

std::string SlotKey(std::size_t index) { return "File" + std::to_string(index + 1); }

}  // namespace

void RecentFileList::Add(std::string_view path) {
    if (path.empty()) return;
    Remove(path);
    entries_.insert(entries_.begin(), std::string(path));
    if (entries_.size() > kMaxEntries) entries_.resize(kMaxEntries);
}

void RecentFileList::Remove(std::string_view path) {
    std::erase(entries_, path);
}

void RecentFileList::Load(const ProfileStore& store) {
    entries_.clear();
    for (std::size_t i = 0; i < kMaxEntries; ++i) {
        std::string path = store.GetString(kSection, SlotKey(i));
        if (!path.empty() && std::find(entries_.begin(), entries_.end(), path) == entries_.end()) {
            entries_.push_back(std::move(path));
        }
    }
}

void RecentFileList::Save(ProfileStore& store) const {
    for (std::size_t i = 0; i < kMaxEntries; ++i) {
        store.WriteString(kSection, SlotKey(i), i < entries_.size() ? entries_[i] : std::string());
    }
}

}  // namespace venkora
