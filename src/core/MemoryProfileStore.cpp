#include "core/MemoryProfileStore.h"

#include <utility>

#include "core/CodePage.h"

namespace venkora {

std::uint32_t MemoryProfileStore::GetInt(std::string_view section, std::string_view key,
                                         std::uint32_t defaultValue) const {
    const Entry* entry = Find(section, key);
    if (!entry || entry->binary) return defaultValue;
    return ParseInteger(entry->value).value_or(defaultValue);
}

std::string MemoryProfileStore::GetString(std::string_view section, std::string_view key,
                                          std::string_view defaultValue) const {
    const Entry* entry = Find(section, key);
    return entry ? entry->value : std::string(defaultValue);
}

void MemoryProfileStore::WriteInt(std::string_view section, std::string_view key,
                                  std::uint32_t value) {
    Put(section, key, Entry{std::to_string(value), false});
}

void MemoryProfileStore::WriteString(std::string_view section, std::string_view key,
                                     std::string_view value) {
    Put(section, key, Entry{std::string(value), false});
}

std::string MemoryProfileStore::GetBinary(std::string_view section, std::string_view key) const {
    const Entry* entry = Find(section, key);
    return entry && (entry->binary || !CodePage::IsValidUtf8(entry->value)) ? entry->value : std::string();
}

void MemoryProfileStore::WriteBinary(std::string_view section, std::string_view key,
                                     std::string_view bytes) {
    Put(section, key, Entry{std::string(bytes), true});
}

const MemoryProfileStore::Entry* MemoryProfileStore::Find(std::string_view section,
                                                          std::string_view key) const {
    const auto keys = sections_.find(FoldName(section));
    if (keys == sections_.end()) return nullptr;
    const auto entry = keys->second.find(FoldName(key));
    return entry == keys->second.end() ? nullptr : &entry->second;
}

void MemoryProfileStore::Put(std::string_view section, std::string_view key, Entry entry) {
    sections_[FoldName(section)][FoldName(key)] = std::move(entry);
}

}  // namespace venkora
