#include "core/RecentFileList.h"

#include <algorithm>

#include "resources/SettingsSchema.h"

namespace venkora {

static_assert(kRecentFileSlots == RecentFileList::kMaxEntries);

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
        std::string path = store.ReadText(RecentFileSetting(i));
        if (!path.empty() && std::find(entries_.begin(), entries_.end(), path) == entries_.end()) {
            entries_.push_back(std::move(path));
        }
    }
}

void RecentFileList::Save(ProfileStore& store) const {
    for (std::size_t i = 0; i < kMaxEntries; ++i) {
        store.WriteText(RecentFileSetting(i), i < entries_.size() ? entries_[i] : std::string());
    }
}

}  // namespace venkora
